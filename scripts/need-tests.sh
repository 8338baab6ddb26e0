#!/usr/bin/env bash
# Installs what building and running the test suite needs, and the further
# Debian packages named: GoogleTest and Google Benchmark; ICU and {fmt},
# which the converter tests and benchmarks compare against; tidy and
# Chromium, which check the pages; cmark-gfm and python3-jsonschema, which
# read the Markdown and JSON outputs back; the Python headers, pybind11 and
# pytest for the Python package, Dask distributed for its batches on a
# cluster, and pip, setuptools, wheel and venv for its build by pip (with
# nothing downloaded); dpkg-dev and file for the Debian
# packages' test; and what the main job needs.
# Usage: bash scripts/need-tests.sh [PACKAGE...]
set -euo pipefail
exec bash "$(dirname "$0")/need.sh" cmake ninja-build g++ pkg-config libzip-dev libexpat1-dev nettle-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev libicu-dev libfmt-dev \
  tidy chromium dpkg-dev file cmark-gfm python3-jsonschema \
  python3-dev pybind11-dev python3-pytest python3-distributed \
  python3-pip python3-setuptools python3-wheel python3-venv "$@"
