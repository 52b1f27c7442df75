"""Writes OpenDocument text files (.odt) from a small block model.

The documents are built from plain-text sources so that they can be reviewed and
changed like code; this module turns a list of blocks (headings, paragraphs, lists,
notes, tables) into the four XML parts of an ODF package and zips them in the order
the format requires (the uncompressed "mimetype" entry first). The output is
byte-for-byte repeatable: fixed timestamps and no generated dates.
"""

import re
import zipfile
from xml.sax.saxutils import escape

ODF_VERSION = "1.2"
MIMETYPE = "application/vnd.oasis.opendocument.text"
ZIP_DATE = (2024, 1, 1, 0, 0, 0)

NAMESPACES = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
    'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
    'xmlns:dc="http://purl.org/dc/elements/1.1/" '
    'xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0"'
)

FONT_FACES = (
    "<office:font-face-decls>"
    '<style:font-face style:name="Liberation Sans" svg:font-family="&apos;Liberation Sans&apos;" '
    'style:font-family-generic="swiss" style:font-pitch="variable"/>'
    '<style:font-face style:name="Liberation Serif" svg:font-family="&apos;Liberation Serif&apos;" '
    'style:font-family-generic="roman" style:font-pitch="variable"/>'
    '<style:font-face style:name="Liberation Mono" svg:font-family="&apos;Liberation Mono&apos;" '
    'style:font-family-generic="modern" style:font-pitch="fixed"/>'
    "</office:font-face-decls>"
)

NAVY = "#1a3a7a"
RULE = "#8c9bb5"
SHADE = "#dbe5f1"
NOTE = "#eef3fa"


# ---------------------------------------------------------------------------
# Inline text


INLINE = re.compile(r"\*\*(.+?)\*\*|__(.+?)__|`(.+?)`")


class Literal(str):
    """Text taken as it is, without inline marks (texts read from the database)."""


def _text(s):
    """Escapes text for XML and keeps what ODF would otherwise collapse: runs of
    spaces, tabs and line breaks."""
    out = []
    for i, line in enumerate(s.replace("\r\n", "\n").split("\n")):
        if i:
            out.append("<text:line-break/>")
        line = escape(line)
        line = re.sub(r"(?<= ) +|^ +", lambda m: '<text:s text:c="%d"/>' % len(m.group(0)), line)
        out.append(line.replace("\t", "<text:tab/>"))
    return "".join(out)


def inline(s):
    """Turns **strong**, __emphasis__ and `literal` marks into text spans."""
    if isinstance(s, Literal):
        return _text(s)
    out = []
    pos = 0
    for m in INLINE.finditer(s):
        out.append(_text(s[pos:m.start()]))
        if m.group(1) is not None:
            out.append('<text:span text:style-name="Strong_20_Emphasis">%s</text:span>' % _text(m.group(1)))
        elif m.group(2) is not None:
            out.append('<text:span text:style-name="Emphasis">%s</text:span>' % _text(m.group(2)))
        else:
            out.append('<text:span text:style-name="Source_20_Text">%s</text:span>' % _text(m.group(3)))
        pos = m.end()
    out.append(_text(s[pos:]))
    return "".join(out)


def plain(s):
    """Text without inline marks, as a reader sees it."""
    if isinstance(s, Literal):
        return str(s)
    return INLINE.sub(lambda m: m.group(1) or m.group(2) or m.group(3), s)


# ---------------------------------------------------------------------------
# Document


class Document:
    """An ODF text document built block by block.

    lang is a BCP 47 tag ("es-ES", "ca-ES-valencia"); numbered_levels says how many
    heading levels carry an outline number ("2.3").
    """

    def __init__(self, title, lang, footer, page_word, of_word, numbered_levels=2):
        self.title = title
        self.lang = lang
        self.footer = footer
        self.page_word = page_word
        self.of_word = of_word
        self.numbered_levels = numbered_levels
        self.body = []
        self.tables = 0
        self.table_styles = []
        self.counters = [0, 0, 0, 0, 0]
        self.headings = []

    # -- blocks -------------------------------------------------------------

    def cover(self, title, subtitle, lines=()):
        self.body.append('<text:p text:style-name="Title">%s</text:p>' % inline(title))
        self.body.append('<text:p text:style-name="Subtitle">%s</text:p>' % inline(subtitle))
        for line in lines:
            self.body.append('<text:p text:style-name="Cover_20_Info">%s</text:p>' % inline(line))

    def heading(self, level, text):
        number = ""
        if level <= self.numbered_levels:
            self.counters[level - 1] += 1
            for i in range(level, len(self.counters)):
                self.counters[i] = 0
            number = ".".join(str(n) for n in self.counters[:level])
            number += ". " if level == 1 else " "
        self.headings.append((level, number + plain(text)))
        self.body.append(
            '<text:h text:style-name="Heading_20_%d" text:outline-level="%d">%s%s</text:h>'
            % (level, level, _text(number), inline(text)))

    def paragraph(self, text, style="Text_20_body"):
        self.body.append('<text:p text:style-name="%s">%s</text:p>' % (style, inline(text)))

    def note(self, text):
        self.paragraph(text, "Note")

    def bullets(self, items):
        self._list("List_20_1", items)

    def numbered(self, items):
        self._list("Numbering_20_123", items)

    def _list(self, style, items):
        out = ['<text:list text:style-name="%s">' % style]
        for item in items:
            out.append('<text:list-item><text:p text:style-name="List_20_Contents">%s</text:p>'
                       '</text:list-item>' % inline(item))
        out.append("</text:list>")
        self.body.append("".join(out))

    def contents(self, title, levels=1):
        """A list of the headings written so far that the caller takes from a
        first pass (see build_from_markup)."""
        self.body.append('<text:p text:style-name="Contents_20_Heading">%s</text:p>' % inline(title))
        for level, text in self.planned_headings:
            if level <= levels:
                self.body.append('<text:p text:style-name="Contents_20_%d">%s</text:p>' % (level, _text(text)))

    def table(self, header, rows, widths_cm, small=False):
        """header: list of cell texts; rows: list of rows, each a list of cells, and a
        cell is a text or a list of paragraph texts."""
        self.tables += 1
        name = "Tabla%d" % self.tables
        total = sum(widths_cm)
        styles = ['<style:style style:name="%s" style:family="table">'
                  '<style:table-properties style:width="%.2fcm" table:align="left" '
                  'fo:margin-top="0.1cm" fo:margin-bottom="0.3cm"/></style:style>' % (name, total)]
        for i, w in enumerate(widths_cm):
            styles.append('<style:style style:name="%s.C%d" style:family="table-column">'
                          '<style:table-column-properties style:column-width="%.2fcm"/></style:style>'
                          % (name, i + 1, w))
        self.table_styles.extend(styles)
        content_style = "Table_20_Small" if small else "Table_20_Contents"
        out = ['<table:table table:name="%s" table:style-name="%s">' % (name, name)]
        for i in range(len(widths_cm)):
            out.append('<table:table-column table:style-name="%s.C%d"/>' % (name, i + 1))
        if header:
            out.append("<table:table-header-rows><table:table-row>")
            for cell in header:
                out.append(self._cell(cell, "Celda_20_Cabecera", "Table_20_Heading"))
            out.append("</table:table-row></table:table-header-rows>")
        for row in rows:
            out.append("<table:table-row>")
            for cell in row:
                out.append(self._cell(cell, "Celda", content_style))
            out.append("</table:table-row>")
        out.append("</table:table>")
        self.body.append("".join(out))

    @staticmethod
    def _cell(cell, cell_style, para_style):
        paras = cell if isinstance(cell, list) else [cell]
        inner = "".join('<text:p text:style-name="%s">%s</text:p>' % (para_style, inline(p)) for p in paras)
        return ('<table:table-cell table:style-name="%s" office:value-type="string">%s</table:table-cell>'
                % (cell_style, inner))

    # -- package ------------------------------------------------------------

    def parts(self):
        """The package entries, in the order they are written."""
        return [
            ("mimetype", MIMETYPE.encode("ascii")),
            ("content.xml", self._content().encode("utf-8")),
            ("styles.xml", self._styles().encode("utf-8")),
            ("meta.xml", self._meta().encode("utf-8")),
            ("META-INF/manifest.xml", self._manifest().encode("utf-8")),
        ]

    def save(self, path):
        with zipfile.ZipFile(path, "w") as z:
            for name, data in self.parts():
                info = zipfile.ZipInfo(name, date_time=ZIP_DATE)
                info.external_attr = 0o644 << 16
                info.compress_type = zipfile.ZIP_STORED if name == "mimetype" else zipfile.ZIP_DEFLATED
                z.writestr(info, data)

    def _language(self):
        parts = self.lang.split("-")
        attrs = 'fo:language="%s" fo:country="%s"' % (parts[0], parts[1] if len(parts) > 1 else "none")
        if len(parts) > 2:
            attrs += ' style:rfc-language-tag="%s"' % self.lang
        return attrs

    def _content(self):
        cell_styles = (
            '<style:style style:name="Celda" style:family="table-cell">'
            '<style:table-cell-properties fo:padding="0.08cm" fo:border="0.5pt solid %s"/></style:style>'
            '<style:style style:name="Celda_20_Cabecera" style:display-name="Celda Cabecera" '
            'style:family="table-cell"><style:table-cell-properties fo:padding="0.08cm" '
            'fo:background-color="%s" fo:border="0.5pt solid %s"/></style:style>' % (RULE, SHADE, RULE))
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document-content %s office:version="%s">%s'
            "<office:automatic-styles>%s%s</office:automatic-styles>"
            "<office:body><office:text>%s</office:text></office:body>"
            "</office:document-content>\n"
            % (NAMESPACES, ODF_VERSION, FONT_FACES, cell_styles, "".join(self.table_styles),
               "\n".join(self.body)))

    def _styles(self):
        lang = self._language()

        def para(name, display, parent, para_props="", text_props="", extra="", cls="text"):
            return ('<style:style style:name="%s" style:display-name="%s" style:family="paragraph"%s '
                    'style:class="%s"%s><style:paragraph-properties %s/><style:text-properties %s/>'
                    "</style:style>"
                    % (name, display, ' style:parent-style-name="%s"' % parent if parent else "", cls,
                       extra, para_props, text_props))

        styles = [
            '<style:default-style style:family="paragraph">'
            '<style:paragraph-properties fo:hyphenation-ladder-count="no-limit" style:writing-mode="lr-tb"/>'
            '<style:text-properties style:font-name="Liberation Serif" fo:font-size="11pt" %s '
            'fo:hyphenate="false"/></style:default-style>' % lang,
            '<style:default-style style:family="table"><style:table-properties table:border-model="collapsing"/>'
            "</style:default-style>",
            para("Standard", "Standard", None, cls="text"),
            para("Text_20_body", "Text body", "Standard",
                 'fo:margin-top="0cm" fo:margin-bottom="0.22cm" fo:line-height="118%" fo:text-align="justify"'),
            para("List_20_Contents", "List Contents", "Text_20_body", 'fo:margin-bottom="0.12cm"',
                 cls="list"),
            para("Note", "Note", "Text_20_body",
                 'fo:margin-top="0.1cm" fo:margin-bottom="0.3cm" fo:padding="0.2cm" '
                 'fo:border-left="2.5pt solid %s" fo:border-right="none" fo:border-top="none" '
                 'fo:border-bottom="none" fo:background-color="%s" fo:text-align="start"' % (NAVY, NOTE),
                 'fo:font-size="10.5pt"'),
            para("Heading", "Heading", "Standard",
                 'fo:margin-top="0.42cm" fo:margin-bottom="0.21cm" fo:keep-with-next="always"',
                 'style:font-name="Liberation Sans" fo:font-weight="bold" fo:color="%s"' % NAVY),
            para("Heading_20_1", "Heading 1", "Heading",
                 'fo:margin-top="0cm" fo:margin-bottom="0.4cm" fo:break-before="page" '
                 'fo:padding-bottom="0.1cm" fo:border-bottom="1pt solid %s" fo:border-top="none" '
                 'fo:border-left="none" fo:border-right="none"' % NAVY,
                 'fo:font-size="18pt"', ' style:default-outline-level="1"'),
            para("Heading_20_2", "Heading 2", "Heading", 'fo:margin-top="0.5cm" fo:margin-bottom="0.2cm"',
                 'fo:font-size="14pt"', ' style:default-outline-level="2"'),
            para("Heading_20_3", "Heading 3", "Heading", 'fo:margin-top="0.4cm" fo:margin-bottom="0.15cm"',
                 'fo:font-size="12pt"', ' style:default-outline-level="3"'),
            para("Heading_20_4", "Heading 4", "Heading", 'fo:margin-top="0.35cm" fo:margin-bottom="0.15cm"',
                 'fo:font-size="11pt"', ' style:default-outline-level="4"'),
            para("Description", "Description", "Text_20_body", 'fo:margin-bottom="0.15cm"',
                 'fo:font-style="italic" fo:color="#404040"'),
            para("Title", "Title", "Heading", 'fo:margin-top="7cm" fo:margin-bottom="0.4cm" fo:text-align="center"',
                 'fo:font-size="32pt"', cls="chapter"),
            para("Subtitle", "Subtitle", "Heading", 'fo:margin-top="0cm" fo:margin-bottom="1.5cm" '
                 'fo:text-align="center"', 'fo:font-size="20pt" fo:font-weight="normal"', cls="chapter"),
            para("Cover_20_Info", "Cover Info", "Standard", 'fo:text-align="center" fo:margin-bottom="0.2cm"',
                 'style:font-name="Liberation Sans" fo:font-size="12pt"'),
            para("Contents_20_Heading", "Contents Heading", "Heading",
                 'fo:margin-top="0cm" fo:break-before="page" fo:margin-bottom="0.4cm"', 'fo:font-size="18pt"',
                 cls="index"),
            para("Contents_20_1", "Contents 1", "Standard", 'fo:margin-bottom="0.15cm"',
                 'style:font-name="Liberation Sans" fo:font-size="11.5pt"', cls="index"),
            para("Contents_20_2", "Contents 2", "Standard", 'fo:margin-left="0.6cm" fo:margin-bottom="0.1cm"',
                 'style:font-name="Liberation Sans" fo:font-size="10.5pt"', cls="index"),
            para("Table_20_Contents", "Table Contents", "Standard", 'fo:text-align="start"',
                 'fo:font-size="9.5pt"', cls="extra"),
            para("Table_20_Small", "Table Small", "Standard", 'fo:text-align="start"', 'fo:font-size="8.5pt"',
                 cls="extra"),
            para("Table_20_Heading", "Table Heading", "Table_20_Contents", 'fo:text-align="center"',
                 'style:font-name="Liberation Sans" fo:font-size="9pt" fo:font-weight="bold"', cls="extra"),
            para("Footer", "Footer", "Standard", "", 'style:font-name="Liberation Sans" fo:font-size="8.5pt" '
                 'fo:color="#595959"', cls="extra"),
            '<style:style style:name="Strong_20_Emphasis" style:display-name="Strong Emphasis" '
            'style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>',
            '<style:style style:name="Emphasis" style:family="text">'
            '<style:text-properties fo:font-style="italic"/></style:style>',
            '<style:style style:name="Source_20_Text" style:display-name="Source Text" style:family="text">'
            '<style:text-properties style:font-name="Liberation Mono" fo:font-size="10pt"/></style:style>',
            '<text:list-style style:name="List_20_1" style:display-name="List 1">'
            '<text:list-level-style-bullet text:level="1" text:bullet-char="•">'
            '<style:list-level-properties text:list-level-position-and-space-mode="label-alignment">'
            '<style:list-level-label-alignment text:label-followed-by="listtab" '
            'text:list-tab-stop-position="0.9cm" fo:text-indent="-0.45cm" fo:margin-left="0.9cm"/>'
            "</style:list-level-properties></text:list-level-style-bullet></text:list-style>",
            '<text:list-style style:name="Numbering_20_123" style:display-name="Numbering 123">'
            '<text:list-level-style-number text:level="1" style:num-suffix="." style:num-format="1">'
            '<style:list-level-properties text:list-level-position-and-space-mode="label-alignment">'
            '<style:list-level-label-alignment text:label-followed-by="listtab" '
            'text:list-tab-stop-position="0.9cm" fo:text-indent="-0.6cm" fo:margin-left="0.9cm"/>'
            "</style:list-level-properties></text:list-level-style-number></text:list-style>",
        ]
        page = (
            '<style:page-layout style:name="pm1">'
            '<style:page-layout-properties fo:page-width="21cm" fo:page-height="29.7cm" '
            'style:print-orientation="portrait" fo:margin-top="2cm" fo:margin-bottom="1.4cm" '
            'fo:margin-left="2cm" fo:margin-right="2cm"/>'
            '<style:footer-style><style:header-footer-properties fo:min-height="0.5cm" fo:margin-top="0.5cm"/>'
            "</style:footer-style></style:page-layout>"
            '<style:style style:name="PieTab" style:family="paragraph" style:parent-style-name="Footer">'
            '<style:paragraph-properties><style:tab-stops>'
            '<style:tab-stop style:position="17cm" style:type="right"/>'
            "</style:tab-stops></style:paragraph-properties></style:style>")
        master = (
            '<style:master-page style:name="Standard" style:page-layout-name="pm1"><style:footer>'
            '<text:p text:style-name="PieTab">%s<text:tab/>%s <text:page-number text:select-page="current">1'
            "</text:page-number> %s <text:page-count>1</text:page-count></text:p>"
            "</style:footer></style:master-page>" % (_text(self.footer), _text(self.page_word),
                                                   _text(self.of_word)))
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document-styles %s office:version="%s">%s'
            "<office:styles>%s</office:styles>"
            "<office:automatic-styles>%s</office:automatic-styles>"
            "<office:master-styles>%s</office:master-styles>"
            "</office:document-styles>\n"
            % (NAMESPACES, ODF_VERSION, FONT_FACES, "".join(styles), page, master))

    def _meta(self):
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<office:document-meta %s office:version="%s"><office:meta>'
            "<meta:generator>Dimarvolteca docs/build-docs</meta:generator>"
            "<dc:title>%s</dc:title><dc:language>%s</dc:language>"
            "</office:meta></office:document-meta>\n"
            % (NAMESPACES, ODF_VERSION, escape(self.title), escape(self.lang)))

    @staticmethod
    def _manifest():
        entries = "".join(
            '<manifest:file-entry manifest:full-path="%s" manifest:media-type="text/xml"/>' % name
            for name in ("content.xml", "styles.xml", "meta.xml"))
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n'
            '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" '
            'manifest:version="%s">'
            '<manifest:file-entry manifest:full-path="/" manifest:version="%s" manifest:media-type="%s"/>'
            "%s</manifest:manifest>\n" % (ODF_VERSION, ODF_VERSION, MIMETYPE, entries))
