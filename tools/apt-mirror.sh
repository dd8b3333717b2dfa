# Sourced by the tools that make Debian roots: the first Debian archive (not
# its security archive) in this machine's apt sources, in either of their
# two formats, or DEBIAN_MIRROR when set.
apt_mirror() {
  local uris
  [ -z "${DEBIAN_MIRROR:-}" ] || { echo "$DEBIAN_MIRROR"; return; }
  uris=$({ grep -hsE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list || true; } |
    sed -E 's/\[[^]]*\]//' | awk '{print $2}'
    { sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null || true; } | tr ' ' '\n')
  awk '/^[a-z+]+:\/\// && !/-security/ {print; exit}' <<<"$uris"
}
