"""The generated parts of the indicator catalogue document, read from the sample
database so that the document always describes what db/sample.sql holds.

Lists follow the order the program shows them in: groups, dimensions, subdimensions
and measures by name (the order of a questionnaire), indicators by definition.
"""

import sqlite3
import unicodedata

from odt import Literal as L

SCALES = {0: "NIVELES 1..5", 1: "SI/NO"}


def respondent_line(code):
    """The second line of respondent data the printed questionnaire asks for, by
    dimension code; None for the anonymous survey, which has none."""
    if code == 11:
        return None
    return {1: "Ciclo formativo/Grupo:", 2: "Departamento:", 5: "Departamento:",
            3: "Actividad que desarrolla:", 8: "Función:", 9: "Función:", 10: "Función:",
            12: "Función:"}.get(code, "Estudios/Profesión:")


def spanish_key(text):
    """Dictionary order: accents and case do not count, ñ follows n."""
    text = (text or "").casefold().replace("ñ", "n\uffff")
    return "".join(c for c in unicodedata.normalize("NFD", text) if unicodedata.category(c) != "Mn"), text


def scale(value):
    return SCALES[0] if value == 0 else SCALES[1]


def yes_no(value):
    return "Sí" if value else "No"


def load(schema_path, sample_path):
    db = sqlite3.connect(":memory:")
    for path in (schema_path, sample_path):
        with open(path, encoding="utf-8") as f:
            db.executescript(f.read())
    return db


class Catalogue:
    def __init__(self, db):
        self.db = db
        q = db.execute
        self.groups = sorted(q("SELECT codigo, definicion FROM Criterio").fetchall(), key=lambda r: spanish_key(r[1]))
        self.dimensions = q("SELECT codigo, definicion, cod_criterio FROM Subcriterio").fetchall()
        self.subdimensions = q("SELECT codigo, definicion, cod_criterio, cod_subcriterio, descripcion "
                               "FROM Dimension").fetchall()
        self.measures = q("SELECT i.codigo, i.definicion, i.tipo, i.cod_dim, i.clave, p.enunciado, p.tipo "
                          "FROM Indicador i LEFT JOIN Pregunta p ON p.codigo = i.cod_pregunta").fetchall()
        self.indicators = sorted(q("SELECT codigo, definicion, tipo, estado, clave, pregunta, tipo_resp "
                                   "FROM IRendimiento").fetchall(), key=lambda r: spanish_key(r[1]))
        self.links = q("SELECT codigo_subcri, codigo_ir FROM Subcriterios_IndicadoresR").fetchall()
        self.group_name = {c: d for c, d in self.groups}
        self.dimension_name = {c: d for c, d, g in self.dimensions}
        self.dimension_group = {c: g for c, d, g in self.dimensions}

    def dimensions_of(self, group):
        return sorted((d for d in self.dimensions if d[2] == group), key=lambda r: spanish_key(r[1]))

    def subdimensions_of(self, dimension):
        return sorted((s for s in self.subdimensions if s[3] == dimension), key=lambda r: spanish_key(r[1]))

    def measures_of(self, subdimension):
        return sorted((m for m in self.measures if m[3] == subdimension), key=lambda r: spanish_key(r[1]))

    def indicators_of(self, dimension):
        linked = {ir for sub, ir in self.links if sub == dimension}
        return [i for i in self.indicators if i[0] in linked]

    def dimensions_linked_to(self, indicator):
        codes = sorted({sub for sub, ir in self.links if ir == indicator})
        return [c for c in codes if c in self.dimension_name]

    # -- blocks of the document ---------------------------------------------

    def summary(self, doc):
        rows = []
        totals = [0, 0, 0, 0]
        for code, name in self.groups:
            dims = self.dimensions_of(code)
            subs = [s for d in dims for s in self.subdimensions_of(d[0])]
            meas = [m for s in subs for m in self.measures_of(s[0])]
            counts = [len(dims), len(subs), len(meas), sum(1 for m in meas if m[4] == 1)]
            totals = [a + b for a, b in zip(totals, counts)]
            rows.append([L(name)] + [str(n) for n in counts])
        rows.append(["**Total**"] + ["**%d**" % n for n in totals])
        doc.table(["Grupo de interés", "Dimensiones", "Subdimensiones", "Medidas de percepción", "Medidas clave"],
                  rows, [6.2, 2.4, 2.8, 3.0, 2.6])
        doc.paragraph("El catálogo incluye además %d indicadores de rendimiento, vinculados a las dimensiones "
                      "por %d relaciones." % (len(self.indicators), len(self.links)))

    def groups_and_dimensions(self, doc):
        for group, group_name in self.groups:
            doc.heading(1, L(group_name))
            dims = self.dimensions_of(group)
            doc.paragraph("Dimensiones de este grupo de interés: %d." % len(dims))
            for dim, dim_name, _ in dims:
                self._dimension(doc, dim, dim_name)

    def _dimension(self, doc, dim, name):
        doc.heading(2, L(name))
        line = respondent_line(dim)
        if line is None:
            doc.paragraph("Encuesta anónima: el encabezado de la encuesta impresa solo lleva la línea "
                          "**Nombre:**, que la persona encuestada puede dejar en blanco.")
        else:
            doc.paragraph("Datos de la persona encuestada en la encuesta impresa: **Nombre:** y **%s**" % line.replace("*", ""))
        for sub, sub_name, _, _, description in self.subdimensions_of(dim):
            doc.heading(3, L(sub_name))
            doc.paragraph(L(description or ""), "Description")
            measures = self.measures_of(sub)
            if not measures:
                doc.paragraph("Esta subdimensión todavía no tiene medidas de percepción.")
                continue
            rows = []
            for code, definition, tipo, _, key, question, answer in measures:
                rows.append([str(code), L(definition), L(question or ""), scale(answer or 0), yes_no(key == 1),
                             "Programa" if tipo == 1 else "Catálogo"])
            doc.table(["Nº", "Medida de percepción", "Pregunta de la encuesta", "Respuesta", "Clave", "Alta"],
                      rows, [1.0, 4.4, 6.6, 2.3, 1.2, 1.5], small=True)
        doc.heading(4, L("Indicadores de rendimiento predictores de la " + name))
        linked = self.indicators_of(dim)
        if linked:
            doc.bullets([L("Nº %d. %s%s" % (i[0], i[1], " (clave)" if i[4] else "")) for i in linked])
        else:
            doc.paragraph("Ningún indicador de rendimiento está vinculado a esta dimensión.")

    def indicator_table(self, doc):
        rows = []
        for code, definition, tipo, estado, key, question, answer in self.indicators:
            what = [L(definition)]
            if tipo == 1:
                what.append(L("Pregunta: %s" % (question or "")))
                what.append("Respuesta: %s" % scale(answer or 0))
            traits = ["Tipo: %s" % ("Datos" if tipo == 0 else "Encuesta"), "Clave: %s" % yes_no(key),
                      "Alta: %s" % ("programa" if estado == 1 else "catálogo")]
            dims = [L("%s (%s)" % (self.dimension_name[d], self.group_name.get(self.dimension_group[d], "")))
                    for d in self.dimensions_linked_to(code)] or ["Sin dimensiones vinculadas"]
            rows.append([str(code), what, traits, dims])
        doc.table(["Nº", "Indicador de rendimiento", "Características", "Dimensiones vinculadas"],
                  rows, [1.0, 7.0, 3.1, 5.9], small=True)

    def providers(self):
        return {"resumen": self.summary, "catalogo": self.groups_and_dimensions,
                "indicadores": self.indicator_table}
