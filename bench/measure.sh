# The timing helpers of the bench scripts, sourced after the script has made
# its scratch directory $work.  Each prints "wall-seconds CPU-seconds
# peak-KiB" for a command whose own output is discarded; CPU is user plus
# system time of the command and everything it waited for (/usr/bin/time -v).

# One run.  A command that fails has its errors shown on stderr, and its
# status (124 when `timeout` stopped it) is returned.
measure() {
  local status=0
  /usr/bin/time -v "$@" >/dev/null 2>"$work/time" || status=$?
  if ((status != 0)); then
    grep -v -e '^[[:space:]]' -e '^Command ' "$work/time" | tail -3 >&2
    return "$status"
  fi
  awk -F': ' '
    /Elapsed \(wall clock\)/ { n = split($2, t, ":"); wall = (n == 3 ? t[1] * 3600 + t[2] * 60 + t[3] : t[1] * 60 + t[2]) }
    /User time/ { cpu += $2 } /System time/ { cpu += $2 }
    /Maximum resident set size/ { rss = $2 }
    END { printf "%.2f %.2f %d\n", wall, cpu, rss }' "$work/time"
}

# The fastest of three runs after a warm-up (by wall time).
best_of_three() {
  "$@" >/dev/null 2>&1 || true
  for run in 1 2 3; do measure "$@" || exit; done | sort -n | head -1
}

# Each column's median over three runs after a warm-up.
median_of_three() {
  "$@" >/dev/null 2>&1 || true
  local runs
  runs=$(for run in 1 2 3; do measure "$@" || exit; done) || return
  awk '{ for (i = 1; i <= 3; ++i) v[i, NR] = $i }
    END {
      for (i = 1; i <= 3; ++i) {
        a = v[i, 1]; b = v[i, 2]; c = v[i, 3]
        m[i] = a + b + c - (a > b ? (a > c ? a : c) : (b > c ? b : c)) - (a < b ? (a < c ? a : c) : (b < c ? b : c))
      }
      printf "%.2f %.2f %d\n", m[1], m[2], m[3]
    }' <<<"$runs"
}

# a / b to one decimal, with b at least the 0.01 s that /usr/bin/time
# resolves; "-" when either is not a number (a run that failed).
ratio() {
  [[ $1$2 =~ ^[0-9.]+$ ]] || { echo -; return; }
  awk -v a="$1" -v b="$2" 'BEGIN { if (b < 0.01) b = 0.01; printf "%.1f", a / b }'
}
