#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the editor need.
# Only packages that are missing are installed, so a prepared machine pays nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config ccache python3
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libjpeg-dev
  # PNG export: libdeflate compresses the picture data, libspng is the reference encoder
  libdeflate-dev libspng-dev
  # automatic layout and DOT files: Graphviz's layout and graph libraries (gvc, cgraph)
  libgraphviz-dev
  # draw.io files: zlib inflates their compressed pages (raw deflate)
  zlib1g-dev
  # spell checking: hunspell, with the English dictionary (tests bring their own dictionaries)
  libhunspell-dev hunspell-en-us
  # translations: Qt's LinguistTools (lupdate, lrelease and their CMake functions) make the .qm
  # files built into the program; Qt's own translations give its standard dialogs the user's language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # benchmarks: libpng as a reference encoder, libxcb to ask the X server when a drag is shown
  libpng-dev libxcb1-dev
  # fuzzing and sanitizers (clang's libFuzzer and runtimes)
  clang libclang-rt-14-dev
  # run time: platform plugins (offscreen and xcb), svg icons, help reader, fonts; the colour
  # emoji font is where Qt finds the emoji of texts (a tick, a warning sign) that the other fonts lack
  qt6-qpa-plugins libqt6svg6 libchm1 fontconfig fonts-dejavu-core fonts-wqy-microhei fonts-noto-color-emoji
  # help file compiler
  fp-utils-3.2.2
  # end-to-end tests: virtual display, input, clipboard, screenshots
  xvfb xauth xdotool xclip x11-apps imagemagick
  # end-to-end tests: a light window manager on the virtual display, as every desktop runs one,
  # so that the editor's windows get the keyboard focus before the tests type into them
  openbox
  # printed and exported PDFs checked as a reader sees them (pdftoppm, pdftotext)
  poppler-utils
  # DOT graphs nobody here wrote, read by the import tests; gvpr counts their nodes and edges
  graphviz graphviz-doc
  # packaging: the package, its manual pages and the checks a packager runs on it
  dpkg-dev file help2man lintian appstream desktop-file-utils
  # the manual pages read back as a user reads them (man -l), so that their test runs, not skips
  man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
