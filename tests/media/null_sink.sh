# Sourced: starts a private PulseAudio daemon with a null sink under $RUN and
# points the environment at it; PA_PID holds the daemon for the caller's cleanup.
# Returns non-zero (and prints the daemon's log) when it did not come up.
start_null_sink() {
  export XDG_RUNTIME_DIR=$RUN/xdg HOME=$RUN/home
  mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME"
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  pulseaudio --daemonize=no --exit-idle-time=-1 -n \
    --load="module-native-protocol-unix auth-anonymous=1" \
    --load="module-null-sink sink_name=alarmnull sink_properties=device.description=AlarmNull" \
    --log-target=stderr 2>"$RUN/pa.log" &
  PA_PID=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "pulseaudio did not start:"; cat "$RUN/pa.log"
  return 1
}
