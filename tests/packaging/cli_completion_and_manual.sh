#!/usr/bin/env bash
# Usage: cli_completion_and_manual.sh QUIREWELL_CLI PACKAGING_DIR
set -uo pipefail
cli=$(realpath "$1")
dir=$(realpath "$2")
# The completion reads the options from the quirewell-cli found on the path.
PATH=$(dirname "$cli"):$PATH
# shellcheck source=../../packaging/quirewell-cli.bash
source "$dir/quirewell-cli.bash"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/Papers" "$work/Photos 2024"
touch "$work/Pictures.txt" "$work/settings.ini"
cd "$work" || exit 1

# expect WANTED WORD...: the completion of the last word, with the words split as readline
# splits them ("--find=x" is "--find" "=" "x"); WANTED lists the answers joined by "|".
expect() {
  local wanted=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _quirewell_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | paste -sd '|')
  [ "$got" = "$wanted" ] || fail "[$*] completes to [$got], not [$wanted]"
}

expect 'apply|edit|history|keep|list|presets|preview|rename|undo' quirewell-cli ''
expect 'presets|preview' quirewell-cli pr
expect 'rename' quirewell-cli --yes --find IMG re
expect 'Papers|Photos 2024' quirewell-cli list P
expect 'Papers|Photos 2024' quirewell-cli --find list preview P
expect 'Papers|Photos 2024' quirewell-cli --find = list preview P
expect 'Papers|Photos 2024' quirewell-cli --new-name rename --upper rename ''
expect '' quirewell-cli list Papers ''
expect '' quirewell-cli lst P
expect '' quirewell-cli list Papers --remove ''
expect '' quirewell-cli --number-start = ''
expect 'settings.ini' quirewell-cli --config s
expect 'settings.ini' quirewell-cli list Papers --config = s
expect 'Papers|Photos 2024|Pictures.txt|settings.ini' quirewell-cli --config =
# apply FOLDER MAPPING: a folder, then a file.
expect 'Papers|Photos 2024' quirewell-cli apply --reorder P
expect 'Pictures.txt' quirewell-cli apply Papers Pi
expect 'Papers|Photos 2024' quirewell-cli edit --yes P
expect '--read-only|--recursive|--regex|--remove|--reorder|--replace|--restart-each-folder|--reverse' quirewell-cli list Papers --re
expect 'name|natural' quirewell-cli preview Papers --sort na
expect 'modified' quirewell-cli --sort = m
expect '--pad-end|--pad-numbers|--pad-start' quirewell-cli --pad
expect '--number-end|--number-start' quirewell-cli --nu
expect 'extension|name|title' quirewell-cli list Papers --apply-to ''
expect 'title' quirewell-cli --apply-to = t
expect 'Papers|Photos 2024' quirewell-cli --apply-to title list P

# Preset names come from "quirewell-cli presets", spaces and all.
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/quirewell/presets"
for preset in Holiday 'Holiday 2024' Work; do
  printf '[Settings]\nCheckUpperCase=1\n' >"$XDG_CONFIG_HOME/quirewell/presets/$preset.conf"
done
expect 'Holiday|Holiday 2024' quirewell-cli preview Papers --preset Ho
expect 'Holiday|Holiday 2024|Work' quirewell-cli --preset ''
expect 'Work' quirewell-cli --preset = W
expect 'Papers|Photos 2024' quirewell-cli --preset Work preview P
expect '' quirewell-cli presets ''

# Every command and option of --help is completed and has its place in the manual page,
# and so has every escape of printed fields.
help=$("$cli" --help) || fail "quirewell-cli --help failed"
page=$dir/quirewell-cli.1
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$help")
[ -n "$commands" ] || fail "no command found in --help"
for command in $commands; do
  expect "$command" quirewell-cli "$command"
  grep -q "^\.BI\? $command\b" "$page" || fail "the manual page lacks the command $command"
done
options=$(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u)
for option in $options; do
  # An option whose name begins another's ("--lower", "--lower-extension") completes to both.
  expect "$(grep -- "^$option" <<<"$options" | paste -sd '|')" quirewell-cli "$option"
  # The option's own entry: a line of bold text naming it, as ".BI \-\-find " TEXT"".
  manual=${option//-/\\\\-}
  grep -qE -- "^\.B[IR]? (.*[ \"])?$manual( |\"|\$)" "$page" ||
    fail "the manual page has no entry for $option"
done
# An option that takes a value ("  --find TEXT   ...") is followed by that value, not by a
# command; a switch is followed by the command.
valued=$(grep -oE -- '^  --[a-z][a-z-]* [A-Z]+' <<<"$help" | awk '{print $1 " " $2}')
[ -n "$valued" ] || fail "no option with a value found in --help"
while read -r option argument; do
  if [ "$option" != --config ] && [ "$option" != --preset ]; then
    expect '' quirewell-cli "$option" ''
  fi
  grep -qF -- "${option//-/\\-} \" $argument\"" "$page" ||
    fail "the manual page does not give $option its $argument"
done <<<"$valued"
for option in $options; do
  grep -qE -- "^  $option [A-Z]+" <<<"$help" && continue
  # An option that takes one of a few words ("  --apply-to name|title|extension") is followed
  # by those words, and has its entry with them in the manual page.
  if choices=$(grep -oE -- "^  $option [a-z]+(\|[a-z]+)+" <<<"$help"); then
    choices=${choices#  "$option" }
    expect "$(tr '|' '\n' <<<"$choices" | sort | paste -sd '|')" quirewell-cli "$option" ''
    grep -qF -- "${option//-/\\-} \" $choices\"" "$page" ||
      fail "the manual page does not give $option its $choices"
    continue
  fi
  expect 'apply|edit|history|keep|list|presets|preview|rename|undo' quirewell-cli "$option" ''
done
for escape in $(grep -o '\\[a-zA-Z0-9]\+' <<<"$help" | sort -u); do
  grep -qF -- "\\e${escape#\\}" "$page" || fail "the manual page lacks the escape $escape"
done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "completion and manual page agree with quirewell-cli --help"
