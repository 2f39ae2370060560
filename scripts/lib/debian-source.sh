# Fetches and unpacks a Debian source package (Debian's patches applied) without touching the
# machine's own apt configuration: the machine carries no deb-src lines, so a private apt folder
# gets one for the same archive, key and release as the machine's binary packages.
#   ombrel_debian_source PACKAGE FOLDER
# leaves the unpacked source in FOLDER/source (made afresh) and prints that path. Needs dpkg-dev
# (dpkg-source); runs as any user.

# The archive and its key: those of the first "deb" entry of the machine's sources.
ombrel_debian_archive() {
  local sources=/etc/apt/sources.list.d/debian.sources
  if [ -r "$sources" ]; then
    awk '/^URIs:/ && !uri { uri = $2 } /^Signed-By:/ && !key { key = $2 }
         END { if (uri) print uri, key }' "$sources"
  elif [ -r /etc/apt/sources.list ]; then
    awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\//) { print $i; exit } }' \
      /etc/apt/sources.list
  fi
}

ombrel_debian_source() {
  local package=$1 folder=$2
  local apt=$folder/apt archive uri key suite
  archive=$(ombrel_debian_archive)
  uri=${archive%% *}
  key=${archive#* }
  [ "$key" != "$archive" ] || key=
  suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  [ -n "$uri" ] || { echo "no Debian archive found in the apt sources" >&2; return 1; }
  mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial"
  {
    echo "Types: deb-src"
    echo "URIs: $uri"
    echo "Suites: $suite"
    echo "Components: main"
    [ -z "$key" ] || echo "Signed-By: $key"
  } >"$apt/sources/source.sources"
  local options=(-o "Dir::Etc::SourceParts=$apt/sources" -o Dir::Etc::SourceList=/dev/null
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache"
                 -o DPkg::Lock::Timeout=300)
  apt-get "${options[@]}" -q update >&2
  rm -rf "$folder/download" "$folder/source"
  mkdir -p "$folder/download"
  (cd "$folder/download" && apt-get "${options[@]}" -q source --download-only "$package") >&2
  local dsc
  dsc=$(ls "$folder"/download/*.dsc | head -n1)
  dpkg-source --no-check -x "$dsc" "$folder/source" >&2
  echo "$folder/source"
}
