#!/bin/sh
# Runs one GoogleTest case as ctest asks: run_case.sh BINARY --gtest_filter=CASE [ARGS...].
#
# When ./test has this ctest run start each binary whole (GLODANJE_CASE_VERDICTS names the
# folder), the whole run leaves one verdict per case there, and the case's test reports that
# verdict instead of starting the binary again. A case without a verdict (no whole run, or one
# that stopped before the end) runs in a process of its own, as does every case when the
# variable is not set.
if [ -n "${GLODANJE_CASE_VERDICTS:-}" ]; then
  name=""
  for arg in "$@"; do
    case $arg in
      --gtest_filter=*) name=${arg#--gtest_filter=} ;;
    esac
  done
  # Shell built-ins only: a case's test then costs one start of sh, not three processes.
  verdict="$GLODANJE_CASE_VERDICTS/${1##*/}/$name"
  if [ -n "$name" ] && [ -f "$verdict" ]; then
    outcome=""
    while IFS= read -r line || [ -n "$line" ]; do
      printf '%s\n' "$line"
      [ -n "$outcome" ] || outcome=$line
    done < "$verdict"
    case $outcome in
      "[       OK ]"* | "[  SKIPPED ]"*) exit 0 ;;
      *) exit 1 ;;
    esac
  fi
fi
exec "$@"
