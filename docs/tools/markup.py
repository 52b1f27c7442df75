"""Reads the plain-text sources of the documents.

The source format, one block per group of lines, blocks separated by blank lines:

    %key: value          document settings at the top (title, subtitle, cover, footer,
                         lang, page, of, numbered)
    # Heading            heading levels 1 to 3 (#, ##, ###)
    Plain lines          a paragraph; its lines are joined with spaces
    - item               a bulleted list; lines indented under an item continue it
    1. item              a numbered list
    > text               a note
    | a | b |            a table: the first row is the header, |---| rows are skipped;
                         %widths: 4 9 4 before it gives the column widths in cm
    @contents            the list of chapters (%contents: its title; %contents-levels: how
                         many heading levels it lists)
    @name                a block the caller supplies (the catalogue's generated parts)

Inline: **strong** (captions of the program), __emphasis__, `literal` (files, keys).
"""

import re

from odt import Document


def _blocks(lines):
    block = []
    for line in lines:
        if line.strip() == "":
            if block:
                yield block
                block = []
        else:
            block.append(line.rstrip("\n"))
    if block:
        yield block


def _items(block, marker):
    items = []
    for line in block:
        m = marker.match(line)
        if m:
            items.append(line[m.end():].strip())
        elif items and line.startswith(" "):
            items[-1] += " " + line.strip()
        else:
            raise ValueError("línea fuera de la lista: %r" % line)
    return items


BULLET = re.compile(r"^- ")
NUMBER = re.compile(r"^\d+\. ")


def parse(text):
    """Splits a source into its settings and its blocks."""
    settings = {}
    body = []
    lines = text.splitlines()
    while lines and lines[0].startswith("%"):
        key, _, value = lines.pop(0)[1:].partition(":")
        key = key.strip()
        if key == "cover":
            settings.setdefault("cover", []).append(value.strip())
        else:
            settings[key] = value.strip()
    for block in _blocks(lines):
        body.append(block)
    return settings, body


def render(doc, settings, body, providers):
    widths = None
    for block in body:
        first = block[0]
        if first.startswith("%widths:"):
            widths = [float(w) for w in first.split(":", 1)[1].split()]
            block = block[1:]
            if not block:
                continue
            first = block[0]
        if first.startswith("#"):
            if len(block) != 1:
                raise ValueError("un título ocupa una sola línea: %r" % block)
            level = len(first) - len(first.lstrip("#"))
            doc.heading(level, first[level:].strip())
        elif first.startswith("@"):
            name = first[1:].strip()
            if name == "contents":
                doc.contents(settings.get("contents", "Contenido"), int(settings.get("contents-levels", "1")))
            else:
                providers[name](doc)
        elif BULLET.match(first):
            doc.bullets(_items(block, BULLET))
        elif NUMBER.match(first):
            doc.numbered(_items(block, NUMBER))
        elif first.startswith(">"):
            doc.note(" ".join(line.lstrip(">").strip() for line in block))
        elif first.startswith("|"):
            rows = [[c.strip() for c in line.strip().strip("|").split("|")] for line in block
                    if not re.match(r"^\|[\s\-|:]+\|$", line.strip())]
            cols = len(rows[0])
            if any(len(r) != cols for r in rows):
                raise ValueError("filas de tabla con distinto número de celdas: %r" % block)
            doc.table(rows[0], rows[1:], widths or [17.0 / cols] * cols)
            widths = None
        else:
            doc.paragraph(" ".join(line.strip() for line in block))


def build(text, providers=None):
    """Builds a Document from a source text; providers maps "@name" blocks to
    functions that write into the document."""
    providers = providers or {}
    settings, body = parse(text)

    def new_document():
        doc = Document(settings["title"], settings.get("lang", "es-ES"), settings.get("footer", ""),
                       settings.get("page", "Página"), settings.get("of", "de"),
                       int(settings.get("numbered", "2")))
        doc.cover(settings["title"], settings.get("subtitle", ""), settings.get("cover", []))
        return doc

    # The list of chapters needs the headings before they are written: a first pass
    # collects them.
    first = new_document()
    first.planned_headings = []
    render(first, settings, body, providers)
    doc = new_document()
    doc.planned_headings = first.headings
    render(doc, settings, body, providers)
    return doc
