# Long steps (installing packages, building) keep the person informed without flooding the
# screen: their output goes whole to a log, shown when the step fails, and only a counter line
# reaches the screen. On a terminal the counter is redrawn in place; in a log each build step,
# and every tenth package and the last, get a line of their own.

# ombrel_counter N TOTAL TEXT [EVERY]: one step of a counted run; in a log only every EVERYth
# (10 unless given) and the last get a line.
ombrel_counter() {
  local n=$1 total=$2 text=$3 every=${4:-10}
  if [ -t 1 ]; then
    local line
    printf -v line '  [%s/%s] %s' "$n" "$total" "$text"
    printf '\r\033[K%s' "${line:0:$((${COLUMNS:-80} - 1))}"
    [ "$n" != "$total" ] || printf '\n'
  elif ((n % every == 0)) || [ "$n" = "$total" ]; then
    printf '  [%s/%s] %s\n' "$n" "$total" "$text"
  fi
}

# Ends a counter line that a step left open on the terminal.
ombrel_counter_done() {
  [ ! -t 1 ] || printf '\r\033[K'
}

# Filters apt-get install's output (stdout and stderr together) into: how many packages, how much
# to download, then a counter over downloading, unpacking and setting up. apt's errors, warnings
# and its wait for another install's lock pass through.
ombrel_apt_steps() {
  local line words total=? unpacked=0 set_up=0
  while IFS= read -r line; do
    read -r -a words <<<"$line"
    case $line in
      *' newly installed,'*)
        line=${line#*upgraded, }
        total=${line%% newly*}
        echo "  $total packages in all (the ones named and what they depend on)"
        ;;
      'Need to get '*) echo "  ${line%.}" ;;
      Get:*)
        ombrel_counter "${words[0]#Get:}" "$total" "downloading ${words[4]:-}"
        ;;
      'Unpacking '*)
        ombrel_counter $((++unpacked)) "$total" "unpacking ${words[1]:-}"
        ;;
      'Setting up '*)
        ombrel_counter $((++set_up)) "$total" "setting up ${words[2]:-}"
        ;;
      E:* | W:* | *'Waiting for '*)
        ombrel_counter_done
        echo "  $line"
        ;;
    esac
  done
  ombrel_counter_done
}

# Filters a Ninja build's output into its step counter ("[12/30] Building CXX object ...") under
# HEADING, which is left out when there is nothing to build.
ombrel_build_steps() {
  local line heading=$1
  while IFS= read -r line; do
    if [[ $line =~ ^\[([0-9]+)/([0-9]+)\]\ (.*)$ ]]; then
      [ -z "$heading" ] || echo "$heading"
      heading=
      ombrel_counter "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" "${BASH_REMATCH[3]}" 1
    fi
  done
  ombrel_counter_done
}
