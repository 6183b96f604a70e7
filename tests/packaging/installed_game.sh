#!/usr/bin/env bash
# Installs the game into a scratch folder under the prefix /usr and plays it as a player with
# a fresh home: the executable's own first start, then a whole game through the window.
# Usage: installed_game.sh BUILD_FOLDER INSTALLED_GAME_TEST
set -euo pipefail
build=$1 driver=$2
[ -x "$build/bin/velmoria" ] && [ -x "$driver" ] || { echo "the game is not built"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root home=$scratch/home
fail() { echo "installed_game: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
(cd "$root/usr/share" && ls icons/hicolor/16x16/apps/velmoria.png metainfo/*.xml \
  man/man6/velmoria.6.gz >/dev/null)
grep -qx "Exec=/usr/games/velmoria" "$root"/usr/share/applications/*.desktop ||
  fail "the menu entry does not start /usr/games/velmoria"
[ -z "$(cd "$root" && find . -name 'velmoria-*' -o -name 'test_*' -o -name '*.md')" ] ||
  fail "tools, tests or notes installed"
listing=$(cd "$root" && find . -printf '%p %s %m\n' | sort)

player=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home")
options=$home/.config/velmoria/VELMORIA.INI scores=$home/.local/share/velmoria/VMSCORES.DAT
"${player[@]}" "$root/usr/games/velmoria" &
game=$!
for _ in $(seq 300); do
  [ -f "$options" ] && [ -f "$scores" ] && break
  kill -0 $game 2>/dev/null || break
  sleep 0.1
done
kill $game 2>/dev/null || fail "the installed game ended at its start"
printf '[suitsandscores]=on\r\n[debug]=off\r\n[speed]=3\r\n[sound]=on\r\n[music]=on\r\n[musictrack]=haiku.mid\r\n[cardback]=back.bmp\r\n' |
  cmp -s - "$options" || fail "no default options in $options"

"${player[@]}" VELMORIA_INSTALLED_GAMES="$root/usr/games" "$driver" --gtest_brief=1
grep -Eq '^(Player|CPU)\\[1-9][0-9]*\|' "$scores" || fail "no result in $scores"
[ "$(cd "$home" && find .config/velmoria .local/share/velmoria -type f | wc -l)" = 2 ] ||
  fail "more files than the options and the high scores"
[ "$(cd "$root" && find . -printf '%p %s %m\n' | sort)" = "$listing" ] ||
  fail "the game wrote into its installed folders"
