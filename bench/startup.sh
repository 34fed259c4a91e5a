#!/usr/bin/env bash
# The start-up of the program beside a bare window of the toolkit, both offscreen: from the
# start of the process to the first results on the screen, after which the program quits. Prints
# the median of RUNS runs of processor time (user + system) and of peak memory (max RSS) for each,
# and their ratio and difference.
# usage: bench/startup.sh [BUILD-DIR [RUNS]]   (a Release build: default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
runs=${2:-10}
for program in "$build/platomer" "$build/bench/bare_window"; do
  [[ -x $program ]] || { echo "startup.sh: $program is missing; build it first" >&2; exit 2; }
done
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/platomer-bench-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The program quits once its first results have been painted.
export PLATOMER_QUIT_AFTER_FIRST_FRAME=1
# A configuration of the benchmark's own, empty: the program starts in 2023 as at a first start,
# whatever year the user last chose.
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

# The child's own resource usage, to the microsecond (time(1) rounds to ten milliseconds).
/usr/bin/python3 - "$runs" "$build/platomer" "$build/bench/bare_window" <<'PY'
import os, statistics, subprocess, sys

runs = int(sys.argv[1])

def once(program):
    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"startup.sh: {program} ended with status {status}")
    return (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_maxrss / 1024

# The two programs take turns, so that a load the machine carries meanwhile falls on both alike.
once(sys.argv[2]), once(sys.argv[3])  # the first runs warm the caches; not counted
program, bare = [], []
for _ in range(runs):
    program.append(once(sys.argv[2]))
    bare.append(once(sys.argv[3]))
program_cpu, program_rss = (statistics.median(s[i] for s in program) for i in (0, 1))
bare_cpu, bare_rss = (statistics.median(s[i] for s in bare) for i in (0, 1))
print(f"median of {runs} runs      CPU (user+sys)   max RSS")
print(f"platomer             {program_cpu:8.1f} ms   {program_rss:7.1f} MiB")
print(f"bare window          {bare_cpu:8.1f} ms   {bare_rss:7.1f} MiB")
print(f"program / bare       {program_cpu / bare_cpu:8.2f} x    {program_rss - bare_rss:+7.1f} MiB")
PY
