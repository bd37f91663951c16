#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails unless fonts/kolvana/kolvan+.ttf is exactly what its source builds.
exec /usr/bin/python3 "$(dirname "$0")/build.py" --check
