# Reads a client's Wayland protocol log (WAYLAND_DEBUG=client) and prints
#   OUTPUT_WxH CONFIGURED_WxH BUFFER_WxH FULLSCREEN_ASKED
# for its first toplevel: the output's current mode, the last size the compositor configured
# the toplevel to, the size of the last buffer committed to it, and whether it asked for
# full screen.
function num(s) { gsub(/[^0-9]/, "", s); return s }
/wl_output@[0-9]+\.mode\(/ {
    split(substr($0, index($0, "mode(") + 5), a, ", ")
    if (num(a[1]) % 2 == 1) output = num(a[2]) "x" num(a[3])
}
/get_xdg_surface\(new id xdg_surface@/ && surface == "" {
    match($0, /wl_surface@[0-9]+\)/); surface = substr($0, RSTART, RLENGTH - 1)
}
/get_toplevel\(new id xdg_toplevel@/ && toplevel == "" {
    match($0, /xdg_toplevel@[0-9]+/); toplevel = substr($0, RSTART, RLENGTH)
}
/create_buffer\(new id wl_buffer@/ {
    match($0, /wl_buffer@[0-9]+/); id = substr($0, RSTART, RLENGTH)
    split(substr($0, index($0, id) + length(id) + 2), a, ", ")
    size[id] = num(a[2]) "x" num(a[3])
}
surface != "" && index($0, "-> " surface ".attach(wl_buffer@") {
    match($0, /wl_buffer@[0-9]+/); attached = size[substr($0, RSTART, RLENGTH)]
}
toplevel != "" && index($0, toplevel ".configure(") && !index($0, "->") {
    split(substr($0, index($0, ".configure(") + 11), a, ", ")
    configured = num(a[1]) "x" num(a[2])
}
toplevel != "" && index($0, "-> " toplevel ".set_fullscreen(") { fullscreen = "yes" }
END { print output, configured, attached, (fullscreen == "" ? "no" : fullscreen) }
