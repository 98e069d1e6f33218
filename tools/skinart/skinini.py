"""Writes a skin's INI member: sections in order, keys as given, CR LF."""


def render(sections, comment_lines=()):
    lines = ["; " + text for text in comment_lines]
    for name, keys in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % name)
        for key, value in keys:
            lines.append("%s=%s" % (key, value))
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


def parse(data):
    """Sections in file order as (name, {lower-case key: value}) pairs,
    read the way the engine reads them (first key wins, ';' comments)."""
    sections = []
    for raw in data.decode("latin-1").replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            sections.append((line[1:-1].strip(), {}))
        elif "=" in line and sections:
            key, value = line.split("=", 1)
            sections[-1][1].setdefault(key.strip().lower(), value.strip())
    return sections


def image_member(value):
    """The member an image value names: folders are ignored, case too."""
    return value.replace("\\", "/").rsplit("/", 1)[-1].lower()
