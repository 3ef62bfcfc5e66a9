# Sourced by the run and test scripts.
# start_xvfb DIR: starts an X server on a free display (1024x768, 24 bits),
# exports DISPLAY and sets xpid; DIR holds the display number.
start_xvfb() {
  exec 3>"$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xpid=$!
  exec 3>&-
  for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.05; done
  export DISPLAY=:$(head -n1 "$1/display")
}
