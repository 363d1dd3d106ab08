#!/usr/bin/env bash
# Runs menetkalk-cli over a table of calls and checks what it writes to
# standard output and standard error, byte for byte, and its exit status.
#   cli_test.sh PROGRAM [RUNNER...]   (RUNNER: e.g. the Wine wrapper)
set -u
program=$1
shift
runner=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

run() {
  "${runner[@]}" "$program" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

fail() {
  echo "FAIL: $*" >&2
  echo "  stdout: $(od -c "$work/out" | head -4)" >&2
  echo "  stderr: $(od -c "$work/err" | head -4)" >&2
  failures=$((failures + 1))
}

# expect STATUS STDOUT STDERR ARGS...: STDOUT and STDERR are the exact
# bytes, with backslash escapes (\n, \r) as in printf's %b.
expect() {
  local want_status=$1 want_out=$2 want_err=$3
  shift 3
  run "$@"
  printf '%b' "$want_out" >"$work/want_out"
  printf '%b' "$want_err" >"$work/want_err"
  if [ "$status" -ne "$want_status" ] || ! cmp -s "$work/out" "$work/want_out" ||
     ! cmp -s "$work/err" "$work/want_err"; then
    fail "status $status (want $want_status): $*"
  fi
}

# usage_error FRAGMENT ARGS...: exit status 2, nothing on standard output,
# one line on standard error that contains FRAGMENT.
usage_error() {
  local fragment=$1
  shift
  run "$@"
  if [ "$status" -ne 2 ] || [ -s "$work/out" ] || [ "$(wc -l <"$work/err")" -ne 1 ] ||
     [ "$(tail -c 1 "$work/err" | od -An -c | tr -d ' ')" != '\n' ] ||
     ! grep -qF -- "$fragment" "$work/err"; then
    fail "usage error naming '$fragment' expected (status $status): $*"
  fi
}

report() {  # the six report lines for: distance speed travel launch
  printf 'Tavolsag: %7s cella\\nSebesseg: %s cella / ora\\nUt-ido: %s\\n-----------------------------------\\nEkkor kell inditani:\\n%s\\n' "$@"
}

legio=$(report 5.00 6 0:49:59 '19:10:01 [Hetfo]')
tie=$(report 520.13 7 58:08:44 '13:51:16 [Pentek]')
longest=$(report 1414.21 3 471:24:16 '20:35:44 [Csutortok]')
scout_german=$(report 0.00 9 0:00:00 '23:59:59 [Vasarnap]')
scout_gall=$(report 0.00 17 0:00:00 '23:59:59 [Vasarnap]')

text_message='A sajat vagy a cel koordinatai nem jol vannak kitoltve\n'
range_message='A sajat vagy a cel koordinatai a kovetkezo intervallumban lehetnek csak [-500 .. 500]\n'
units_message='A mozgo csapatoban nincs megadva egy egyseg sem.\nAz Egyseg listaban a bal oszlopban jelold be, hogy mely egysegek mozognak!\n'
hour_message='Erkezesi ido [ora] nem megfelelo (0..23)!\n'
minute_message='Erkezesi ido [perc] nem megfelelo (0..59)!\n'
second_message='Erkezesi ido [masodperc] nem megfelelo (0..59)!\n'

# Reports; level and day default to 0, names and indices are interchangeable.
expect 0 "$legio" '' --people Romai --units Legio --own 0,0 --target 3,4 --arrival 20:00:00
expect 0 "$tie" '' --people German --units 0,1 --own 0,-11 --target 97,500 --level 3 --arrival 0:0:0 --day Hetfo
expect 0 "$tie" '' --people 1 --units Buzoganyos,Landzsas --own 0,-11 --target 97,500 --level 3 --arrival 00:00:00 --day 0
expect 0 "$tie" '' --arrival=0:0:0 --people=German --units=1,0,1 --own=0,-11 --target=97,500 --level=3
expect 0 "${tie//\\n/\\r\\n}" '' --people German --units 0,1 --own 0,-11 --target 97,500 --level 3 --arrival 0:0:0 --crlf
expect 0 "$longest" '' --people 0 --units 0,3,7 --own -500,-500 --target 500,500 --arrival 12:00:00 --day Szerda
expect 0 "$longest" '' --people 0 --units "Legio,Equites Legati,Tuzkatapult" --own=-500,-500 --target 500,500 --arrival 12:0:0 --day 2
# "Felderito" is unit 3 of the Germans and unit 2 of the Gauls.
expect 0 "$scout_german" '' --people German --units Felderito --own 7,7 --target 7,7 --arrival 23:59:59 --day Vasarnap
expect 0 "$scout_german" '' --people German --units 3 --own 7,7 --target 7,7 --arrival 23:59:59 --day 6
expect 0 "$scout_gall" '' --people Gall --units Felderito --own 7,7 --target 7,7 --arrival 23:59:59 --day Vasarnap
expect 0 "$scout_gall" '' --people 2 --units 2 --own 7,7 --target 7,7 --arrival 23:59:59 --day 6

# The checks' messages, on standard error only.
expect 1 '' "$text_message" --people 0 --units 0 --own 05,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$text_message" --people 0 --units 0 --own ,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$text_message" --people 0 --units 0 --own 0,0 --target 3,4,5 --arrival 1:0:0
expect 1 '' "$text_message" --people 0 --units 0 --own=--5,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$text_message" --people 0 --units 0 --own 0,2147483648 --target 3,4 --arrival 1:0:0
expect 1 '' "$text_message" --people 0 --units '' --own 05,0 --target 3,4 --arrival 99:0:0
expect 1 '' "$range_message" --people 0 --units 0 --own 0,0 --target 501,4 --arrival 1:0:0
expect 1 '' "$range_message" --people 0 --units 0 --own -501,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$units_message" --people 0 --units '' --own 0,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$units_message" --people 0 --units= --own 0,0 --target 3,4 --arrival 1:0:0
expect 1 '' "$hour_message" --people 0 --units 0 --own 0,0 --target 3,4 --arrival 24:0:0
expect 1 '' "$hour_message" --people 0 --units 0 --own 0,0 --target 3,4 --arrival -1:0:0
expect 1 '' "$minute_message" --people 0 --units 0 --own 0,0 --target 3,4 --arrival -1:75:0
expect 1 '' "$minute_message" --people 0 --units 0 --own 0,0 --target 3,4 --arrival=-1:75:0
expect 1 '' "$second_message" --people 0 --units 0 --own 0,0 --target 3,4 --arrival 24:0:60 --crlf

# Malformed command lines.
base=(--own 0,0 --target 3,4 --arrival 1:0:0)
usage_error --bogus --people 0 --units 0 "${base[@]}" --bogus
usage_error stray --people 0 --units 0 "${base[@]}" stray
usage_error --target --people 0 --units 0 --own 0,0 --arrival 1:0:0
usage_error --people --units 0 "${base[@]}"
usage_error --people --people 0 --people 1 --units 0 "${base[@]}"
usage_error --units --people 0 --units --own 0,0 --target 3,4 --arrival 1:0:0
usage_error --arrival --people 0 --units 0 --own 0,0 --target 3,4 --arrival
usage_error '"Hun"' --people Hun --units 0 "${base[@]}"
usage_error '"german"' --people german --units 0 "${base[@]}"
usage_error '"3"' --people 3 --units 0 "${base[@]}"
usage_error '"-1"' --people -1 --units 0 "${base[@]}"
usage_error '"Felderito"' --people Romai --units Felderito "${base[@]}"
usage_error '"9"' --people 0 --units 0,9 "${base[@]}"
usage_error '""' --people 0 --units 0,,1 "${base[@]}"
usage_error '""' --people 0 --units 0, "${base[@]}"
usage_error '"0,0"' --people 0 --units 0 --own 0,0 --target 3,4 --arrival 0,0
usage_error '"5"' --people 0 --units 0 --own 5 --target 3,4 --arrival 1:0:0
usage_error '"21"' --people 0 --units 0 "${base[@]}" --level 21
usage_error '"-1"' --people 0 --units 0 "${base[@]}" --level -1
usage_error '"high"' --people 0 --units 0 "${base[@]}" --level high
for arrival in 1:2 1:2:3:4 1::3 a:0:0 +1:0:0 1:0:0x 4294967296:0:0 ''; do
  usage_error "\"$arrival\"" --people 0 --units 0 --own 0,0 --target 3,4 --arrival "$arrival"
done
usage_error '"7"' --people 0 --units 0 "${base[@]}" --day 7
usage_error '"Monday"' --people 0 --units 0 "${base[@]}" --day Monday
usage_error 'line break' --people 0 --units 0 "${base[@]}" --day $'line\nbreak'

# The usage, on standard output.
for help in --help -h; do
  run "$help"
  if [ "$status" -ne 0 ] || [ -s "$work/err" ] || ! grep -q '^Usage: menetkalk-cli' "$work/out"; then
    fail "usage expected: $help"
  fi
  for option in --people --units --own --target --level --arrival --day --crlf 'Gall: 0..8 or Phalanx, Kardos, Felderito'; do
    grep -qF -- "$option" "$work/out" || fail "usage without $option: $help"
  done
done

# A report that cannot be written is not a success.
if [ -w /dev/full ]; then
  "${runner[@]}" "$program" --people 0 --units 0 "${base[@]}" >/dev/full 2>"$work/err"
  status=$?
  grep -q 'cannot write' "$work/err" && [ "$status" -eq 3 ] || fail "report into a full device: status $status"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures failed" >&2
  exit 1
fi
echo "all menetkalk-cli cases passed"
