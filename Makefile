# `make run` starts the program, `make test` runs every test, `make test-debian13` runs them on
# Debian 13 in a root of its own, `make lint` runs the static checks,
# `make package` makes and checks the release zip, `make bench` prints the benchmark's figures,
# `make screens` takes pictures of every screen.
.PHONY: run test test-debian13 lint package bench screens setup

run:
	scripts/run

test:
	scripts/test

test-debian13:
	scripts/test-debian13

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
