# `make run` starts the program, `make test` runs every test, `make bench` prints the benchmark's figures.
.PHONY: run test bench setup

run:
	scripts/run

test:
	scripts/test

bench:
	scripts/bench

setup:
	scripts/setup
