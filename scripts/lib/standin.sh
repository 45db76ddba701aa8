# The stand-in data service for the run script and the gui test: started on a free port of
# 127.0.0.1 with the sample draws and pages of the source tree, and a scratch copy of the stage
# pointed at it. Source this file.

# start_standin <build dir> <source root> <output file>: starts qel-data-standin; sets
# standin_pid and standin_port. Fails when it does not listen within ten seconds.
start_standin() {
  local build="$1" source="$2" out="$3" _
  "$build/tools/qel-data-standin" --port 0 --fixtures "$source/app/standin/fixtures" \
    --pages "$source/app/standin/pages" --page-scripts "$source/app/ui/pages" >"$out" 2>&1 &
  standin_pid=$!
  for _ in $(seq 100); do
    if [[ "$(cat "$out")" =~ listening\ on\ http://127\.0\.0\.1:([0-9]+) ]]; then
      standin_port="${BASH_REMATCH[1]}"
      return 0
    fi
    kill -0 "$standin_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "the stand-in data service did not start: $(cat "$out")" >&2
  return 1
}

# point_stage_at_standin <stage copy> <port>: the copy's settings take the service's address
# from its own settings database ("debug"), which names the stand-in.
point_stage_at_standin() {
  local stage="$1" port="$2"
  sed -i 's|<debug>[^<]*</debug>|<debug>true</debug>|' "$stage/xml/system.xml" || return 1
  sqlite3 "$stage/sys.db" "
    update systeminfo set parameterValue = '127.0.0.1' where parameterName = 'host';
    update systeminfo set parameterValue = '$port' where parameterName = 'port';
    delete from systeminfo where parameterName = 'website';
    insert into systeminfo (parameterName, parameterValue, flag) values ('website', 'http://127.0.0.1:$port', 'sys');"
}
