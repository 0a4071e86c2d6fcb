# Sourced by the run script: lays out a sample client install in a folder, so that a
# newcomer on a machine without the game can try every action of the tool.
make_sample_client() {
    local root="$1"
    local install="$root/Games/LOL"
    mkdir -p "$install/LeagueClient/Logs" "$install/Game/Config" "$install/Game/Logs" "$install/Cross"
    [ -f "$install/LeagueClient/system.yaml" ] || printf -- '---\r\napp:\r\n  app_name: LeagueClient\r\n' >"$install/LeagueClient/system.yaml"
    [ -f "$install/Game/Config/game.cfg" ] || printf '[General]\r\nWidth=1920\r\nHeight=1080\r\n' >"$install/Game/Config/game.cfg"
    [ -f "$install/Cross/cache.bin" ] || printf 'frames' >"$install/Cross/cache.bin"
    for log in "$install/a.log" "$install/Game/Logs/b.log" "$install/LeagueClient/Logs/c.log"; do
        [ -f "$log" ] || printf 'log\n' >"$log"
    done
}
