#!/bin/sh
# Runs a test program with the xcb platform on a virtual X display of its own. Where
# there is no Xvfb the test is skipped (exit code 77).
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "Xvfb is not installed: skipped"
    exit 77
fi
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$@"
