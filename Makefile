# `make run` starts the program, `make test` runs every test, `make lint` runs the static checks,
# `make package` makes and checks the release zip.
.PHONY: run test lint package setup

run:
	scripts/run

test:
	scripts/test

lint:
	scripts/lint

package:
	scripts/package

setup:
	scripts/setup
