# The two commands: `make run` starts the program, `make test` runs every test.
.PHONY: run test setup

run:
	scripts/run

test:
	scripts/test

setup:
	scripts/setup
