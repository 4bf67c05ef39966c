# `make run` starts the program, `make test` runs every test, `make lint` runs the static checks,
# `make package` makes and checks the release zip, `make bench` prints the benchmark's figures,
# `make screens` takes pictures of every screen.
.PHONY: run test lint package bench screens setup

run:
	scripts/run

test:
	scripts/test

lint:
	scripts/lint

package:
	scripts/package

bench:
	scripts/bench

screens:
	scripts/screens

setup:
	scripts/setup
