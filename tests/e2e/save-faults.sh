#!/usr/bin/env bash
# Saves under faults, by hand: `voltaro-cli record` from the simulated meter is killed at
# random, runs out of disk space on a small tmpfs during a save into its file, and loses its
# folder before and after its first save. After every run each recording file must read back
# whole (`voltaro-cli info`), and every reading a run said it had saved must be found.
#
#   tests/e2e/save-faults.sh [--runs N] [--seed S] [--bin DIR] [--skip-full-disk]
#
# The full-disk part mounts two tmpfs and needs root; it takes about three minutes, since the
# first save with readings into the file is the timed autosave after two minutes.
set -uo pipefail

runs=100
seed=$$
bin="$(cd "$(dirname "$0")/../.." && pwd)/build/bin"
fullDisk=1
while (($#)); do
    case "$1" in
        --runs) runs=$2; shift ;;
        --seed) seed=$2; shift ;;
        --bin) bin=$2; shift ;;
        --skip-full-disk) fullDisk=0 ;;
        *) echo "usage: $0 [--runs N] [--seed S] [--bin DIR] [--skip-full-disk]" >&2; exit 2 ;;
    esac
    shift
done
RANDOM=$seed
cli="$bin/voltaro-cli"
meterBin="$bin/voltaro-meter"
[[ -x $cli && -x $meterBin ]] || { echo "no voltaro-cli or voltaro-meter in $bin" >&2; exit 2; }

work=$(mktemp -d)
mounts=()
meters=()
cleanup() {
    for pid in "${meters[@]}"; do kill "$pid" 2>/dev/null; done
    for m in "${mounts[@]}"; do umount "$m" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Starts a simulator; sets `device` and `meterPid`.
start_meter() {
    local out="$work/meter.$RANDOM"
    "$meterBin" --profile steady --function vdc --value 1.234 >"$out" 2>/dev/null &
    meterPid=$!
    meters+=("$meterPid")
    device=
    for _ in $(seq 100); do
        device=$(head -n1 "$out" 2>/dev/null)
        [[ -n $device ]] && return 0
        sleep 0.05
    done
    return 1
}
stop_meter() {
    kill "$meterPid" 2>/dev/null
    wait "$meterPid" 2>/dev/null
}

# Prints the readings of a recording file that reads back whole; fails otherwise.
readings_of() {
    local f=$1 size text n
    [[ -f $f ]] || { echo "missing"; return 1; }
    size=$(stat -c %s "$f")
    ((size % 111 == 0)) || { echo "torn: $size bytes"; return 1; }
    text=$("$cli" info "$f" 2>&1) || { echo "unreadable: $text"; return 1; }
    [[ $text == *damaged* ]] && { echo "damaged: $text"; return 1; }
    n=$(sed -n 's/^readings  \([0-9]*\).*/\1/p' <<<"$text")
    ((n == size / 111 - 1)) || { echo "$n readings in $size bytes"; return 1; }
    echo "$n"
}

# The count a run said its file holds at the end ("... holds N"), or nothing.
said_holds() {
    sed -n 's/.* holds \([0-9]*\)$/\1/p; s/.* holds \([0-9]*\) of its .*/\1/p' "$1" | tail -n1
}

leftovers() {
    find "$1" -maxdepth 1 \( -name '.*.voltaro-??????' -o \( -name '[0-9]*-[0-9]*.tmp' -empty \) \) | wc -l
}

echo "== $runs runs killed at random (seed $seed)"
killDir="$work/kill"
mkdir -p "$killDir"
shared="$killDir/shared.dmm"
whole=0 files=0 cleanEnds=0 savedSaid=0 savedFound=0 oldKept=0 oldReplaced=0 oldLost=0 tempsLeft=0
for ((i = 1; i <= runs; i++)); do
    start_meter || { fail "run $i: the simulator made no device"; continue; }
    # Even runs replace the shared recording (--force); odd runs start a file of their own.
    if ((i % 2 == 0)); then out=$shared; args=(--force); else out="$killDir/run$i.dmm"; args=(); fi
    before=
    [[ -f $out ]] && before=$(sha1sum <"$out")
    beforeCount=$( [[ -f $out ]] && readings_of "$out" || echo 0)
    err="$work/err.$i"
    "$cli" record --port "$device" --out "$out" "${args[@]}" 2>"$err" &
    pid=$!
    sleep "$((RANDOM % 4)).$((RANDOM % 10))"
    # TERM, not INT: a background job of a script starts with INT ignored, so an INT sent before
    # the recorder has set up its handler would be lost and the run would never end.
    mode=$((RANDOM % 3))
    case $mode in
        0) kill -KILL "$pid" ;;                                               # while recording
        1) kill -TERM "$pid"; sleep "0.0$((RANDOM % 10))"; kill -KILL "$pid" 2>/dev/null ;;  # in the last save
        2) kill -TERM "$pid" ;;                                                # a clean end
    esac
    wait "$pid" 2>/dev/null
    status=$?
    stop_meter
    tempsLeft=$((tempsLeft + $(leftovers "$killDir")))
    if [[ ! -f $out ]]; then
        # Killed before its first reading: nothing was saved, nothing can be lost.
        [[ -z $before ]] || fail "run $i: $out disappeared"
        continue
    fi
    files=$((files + 1))
    if ! n=$(readings_of "$out"); then
        fail "run $i (mode $mode): $out $n"
        continue
    fi
    whole=$((whole + 1))
    if [[ $status -lt 128 ]] && grep -q "keeps its older recording" "$err"; then
        cleanEnds=$((cleanEnds + 1))
        oldKept=$((oldKept + 1))
        [[ $(sha1sum <"$out") == "$before" ]] || fail "run $i: said it kept the older recording, but did not"
    elif [[ $status -lt 128 ]]; then
        cleanEnds=$((cleanEnds + 1))
        said=$(said_holds "$err")
        savedSaid=$((savedSaid + ${said:-0}))
        savedFound=$((savedFound + n))
        [[ $said == "$n" ]] || fail "run $i: said it holds ${said:-nothing}, $n found"
    elif [[ -n $before ]]; then
        if [[ $(sha1sum <"$out") == "$before" ]]; then
            oldKept=$((oldKept + 1))
        elif ((n > 0)); then
            oldReplaced=$((oldReplaced + 1))   # the new recording's readings replaced it whole
        else
            oldLost=$((oldLost + 1))
            fail "run $i: the older recording of $beforeCount readings was replaced by an empty one"
        fi
    fi
done
# One more save into the folder clears what the kills left.
start_meter && {
    "$cli" record --port "$device" --out "$killDir/last.dmm" --count 2 2>/dev/null
    stop_meter
}
left=$(leftovers "$killDir")
((left == 0)) || fail "$left temporary or empty report files left after a save into the folder"
echo "runs $runs; files $files, read back whole $whole; clean ends $cleanEnds: readings said saved" \
     "$savedSaid, found $savedFound; ended over an older recording: kept it $oldKept, replaced it" \
     "whole $oldReplaced, lost it $oldLost; temporaries seen after kills $tempsLeft, left at the end $left"

echo "== folder removed"
# r1: before the first save; r2: after it; r3: replaced by a file, so it cannot be made again;
# r4 (root only): made read-only after the first save.
cases=(r1 r2 r3)
(($(id -u) == 0)) && cases+=(r4)
for c in "${cases[@]}"; do
    mkdir -p "$work/$c/out"
    if [[ $c == r4 ]]; then
        mount -t tmpfs -o size=1m tmpfs "$work/$c/out" && mounts+=("$work/$c/out") || { fail "r4: no tmpfs"; continue; }
    fi
    start_meter || { fail "$c: no device"; continue; }
    (
        out="$work/$c/out/run.dmm"
        XDG_DATA_HOME="$work/$c/data" "$cli" record --port "$device" --out "$out" 2>"$work/$c/err" &
        pid=$!
        if [[ $c == r1 ]]; then
            rm -rf "$work/$c/out"
        else
            for _ in $(seq 200); do [[ -f $out ]] && break; sleep 0.05; done
            sleep 2
            if [[ $c == r4 ]]; then
                mount -o remount,ro "$work/$c/out"
            else
                rm -rf "$work/$c/out"
            fi
            [[ $c == r3 ]] && echo "not a folder" >"$work/$c/out"
        fi
        sleep 4
        kill -TERM "$pid"
        wait "$pid"
        echo $? >"$work/$c/status"
    ) &
    wait $!
    stop_meter
    status=$(cat "$work/$c/status")
    said=$(said_holds "$work/$c/err")
    file="$work/$c/out/run.dmm"
    if [[ $c == r3 || $c == r4 ]]; then
        file="$work/$c/data/voltaro/run.dmm"
        where=$(grep -c "This recording is saved to $file\." "$work/$c/err")
        ((where >= 2)) || fail "$c: the data folder was named $where times, not at the save and at the end"
    fi
    if n=$(readings_of "$file"); then
        echo "$c: exit $status; $file read back whole; readings said saved ${said:-none}, found $n"
        grep -h "Can't save" "$work/$c/err" | head -n1 | sed "s|^|$c said: |"
        [[ $status == 0 && $said == "$n" && $n -gt 0 ]] || fail "$c: $(cat "$work/$c/err")"
    else
        fail "$c: $file $n; $(cat "$work/$c/err")"
    fi
done

if ((fullDisk)); then
    echo "== disk filled up before the last save into the file (about three minutes)"
    if (($(id -u) != 0)); then
        echo "skipped: mounting a tmpfs needs root"
    else
        # d1: the data folder is on the full disk too; d2: it can take the recording.
        for c in d1 d2; do
            mnt="$work/$c/disk"
            mkdir -p "$mnt"
            mount -t tmpfs -o size=1m tmpfs "$mnt" && mounts+=("$mnt") || { fail "$c: no tmpfs"; continue; }
            data="$mnt/data"
            [[ $c == d2 ]] && data="$work/$c/data"
            start_meter || { fail "$c: no device"; continue; }
            (
                out="$mnt/run.dmm"
                XDG_DATA_HOME="$data" "$cli" record --port "$device" --out "$out" 2>"$work/$c/err" &
                pid=$!
                # The autosave after two minutes writes the first readings; the disk is filled then.
                for _ in $(seq 1800); do (($(stat -c %s "$out" 2>/dev/null || echo 0) > 111)) && break; sleep 0.1; done
                readings_of "$out" >"$work/$c/autosaved"
                dd if=/dev/zero of="$mnt/filler" bs=4096 2>/dev/null
                sleep 60   # the next save then needs more room than the last page holds
                kill -TERM "$pid"
                wait "$pid"
                echo $? >"$work/$c/status"
            ) &
            pids[${c#d}]=$!
            meterOf[${c#d}]=$meterPid
        done
        wait "${pids[@]}"
        for n in 1 2; do kill "${meterOf[$n]}" 2>/dev/null; done
        for c in d1 d2; do
            mnt="$work/$c/disk"
            status=$(cat "$work/$c/status")
            autosaved=$(cat "$work/$c/autosaved")
            said=$(said_holds "$work/$c/err")
            recorded=$(sed -n 's/.* of its \([0-9]*\) readings$/\1/p; s/^\([0-9]*\) readings recorded.*/\1/p' "$work/$c/err" | tail -n1)
            if n=$(readings_of "$mnt/run.dmm"); then
                echo "$c: exit $status; $mnt/run.dmm read back whole: $n readings (autosaved $autosaved, recorded ${recorded:-?})"
                ((n >= autosaved)) || fail "$c: readings saved at the autosave were lost"
            else
                fail "$c: $mnt/run.dmm $n"
            fi
            if [[ $c == d1 ]]; then
                [[ $said == "$n" ]] || fail "$c: said it holds ${said:-nothing}, $n found: $(cat "$work/$c/err")"
            else
                moved="$work/$c/data/voltaro/run.dmm"
                if m=$(readings_of "$moved"); then
                    echo "$c: $moved read back whole: $m readings, said $said"
                    [[ $said == "$m" && $m == "$recorded" ]] || fail "$c: $(cat "$work/$c/err")"
                else
                    fail "$c: $moved $m"
                fi
            fi
            grep -h "Can't save\|save failed\|saved to" "$work/$c/err" | sed "s|^|$c said: |"
        done
    fi
fi

echo "failures: $failures"
((failures == 0))
