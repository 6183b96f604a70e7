#!/usr/bin/env bash
# Installs the built game into a scratch folder under the prefix /usr, checks what went where,
# then runs the installed game as a player with a fresh home: the real executable's first
# start, then a whole game through the window, and nothing written into the installed folders.
# Usage: installed_game.sh BUILD_FOLDER INSTALLED_GAME_TEST
set -euo pipefail
build=$1 driver=$2
if [ ! -x "$build/bin/velmoria" ] || [ ! -x "$driver" ]; then
  echo "the game is not built: nothing to install"
  exit 77
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root home=$scratch/home
mkdir "$home"
fail() { echo "installed_game: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
for file in games/velmoria share/velmoria/background.jpg share/velmoria/back.bmp \
    share/velmoria/dec_0.bmp share/velmoria/sakura.mid share/velmoria/Card_up.wav \
    share/velmoria/VELMORIA.HLP share/velmoria/midi.ico \
    share/icons/hicolor/16x16/apps/velmoria.png share/icons/hicolor/256x256/apps/velmoria.png \
    share/applications/org.velmoria.velmoria.desktop \
    share/metainfo/org.velmoria.velmoria.metainfo.xml share/man/man6/velmoria.6.gz; do
  [ -f "$root/usr/$file" ] || fail "/usr/$file is not installed"
done
grep -qx "Exec=/usr/games/velmoria" "$root/usr/share/applications/org.velmoria.velmoria.desktop" ||
  fail "the desktop entry does not start /usr/games/velmoria"
unwanted=$(cd "$root" && find . -name 'velmoria-*' -o -name 'test_*' -o -name '*.txt' -o -name '*.md')
[ -z "$unwanted" ] || fail "installed but not part of the game: $unwanted"
listing=$(cd "$root" && find . -printf '%p %s %m\n' | sort)

player=(env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen
  SDL_AUDIODRIVER=dummy)
options=$home/.config/velmoria/VELMORIA.INI scores=$home/.local/share/velmoria/VMSCORES.DAT
"${player[@]}" "$root/usr/games/velmoria" &
game=$!
for _ in $(seq 300); do
  [ -f "$options" ] && [ -f "$scores" ] && break
  kill -0 $game 2>/dev/null || break
  sleep 0.1
done
kill $game 2>/dev/null || fail "the installed game ended at its start"
wait $game || true
printf '[suitsandscores]=on\r\n[debug]=off\r\n[speed]=3\r\n[sound]=on\r\n[music]=on\r\n[musictrack]=haiku.mid\r\n[cardback]=back.bmp\r\n' |
  cmp -s - "$options" || fail "the first start did not write the default options to $options"

"${player[@]}" VELMORIA_INSTALLED_GAMES="$root/usr/games" "$driver" --gtest_brief=1
grep -Eq '^(Player|CPU)\\[1-9][0-9]*\|' "$scores" || fail "no result in $scores"
[ "$(cd "$home" && find .config/velmoria .local/share/velmoria -type f | sort)" = \
  "$(printf '.config/velmoria/VELMORIA.INI\n.local/share/velmoria/VMSCORES.DAT')" ] ||
  fail "other files beside the options and the high scores"
[ "$(cd "$root" && find . -printf '%p %s %m\n' | sort)" = "$listing" ] ||
  fail "the game wrote into its installed folders"
echo "installed_game: installed, started, played and saved into the player's folders"
