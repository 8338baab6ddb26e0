"""qrvex.open: a document's format, properties, text, headings and a
workbook's sheets, whose cells carry their raw value, type and text."""

import io
import json
import pathlib
import zipfile

import pytest

import qrvex

SAMPLES = pathlib.Path(__file__).resolve().parents[2] / "samples"


def sample(name):
    return SAMPLES / name


@pytest.mark.parametrize("name, format", [
    ("report.docx", "docx"), ("budget.xlsx", "xlsx"), ("ledger.qrvt", "text"), ("report.qrvt", "text"),
])
def test_the_format_is_told_from_the_content(name, format):
    assert qrvex.open(sample(name)).format == format


def test_the_format_given_is_the_format_named():
    assert qrvex.open(sample("report.docx"), from_format="DOCX").format == "docx"


def test_a_documents_properties_title_and_headings():
    report = qrvex.open(sample("report.docx"))
    assert report.title == "Quarterly Report"
    assert report.properties["title"] == "Quarterly Report"
    assert report.properties["author"] == "QRVEX"
    assert report.properties["created"].startswith("2026-12-07T09:00:00")
    assert [(h.level, h.text) for h in report.headings] == [(1, "Summary"), (2, "Goals"), (1, "Figures")]
    assert report.sheets == []


def test_the_text_has_a_line_for_each_paragraph_and_table_row():
    lines = qrvex.open(sample("report.docx")).text.splitlines()
    assert lines[0] == "Quarterly Report"
    assert "Summary" in lines and "Goals" in lines
    assert "1. Open two new offices" in lines
    assert "Region\tQ1\tQ2" in lines and "North\t1,250\t1,410" in lines


def test_the_document_is_the_json_output_read():
    report = qrvex.open(sample("report.docx"))
    assert report.data == json.loads(qrvex.convert(sample("report.docx"), to="json"))


BUDGET = [
    # (address, type, raw value, text as shown)
    ("A1", "text", "Item", "Item"),
    ("B2", "number", 1200.0, "1,200.00"),
    ("B3", "number", 18500.5, "18,500.50"),
    ("D3", "number", 37750.75, "37,750.75"),
    ("D5", "number", 40582.85, "40,582.85 EUR"),
    ("A7", "number", 46363.0, "12/7/2026"),
]


@pytest.mark.parametrize("address, type, value, text", BUDGET)
def test_a_workbooks_cells(address, type, value, text):
    sheet = qrvex.open(sample("budget.xlsx")).sheet("Budget")
    cell = sheet.cell(address)
    assert (cell.type, cell.value, cell.text) == (type, value, text)


def test_rows_yield_their_cells_in_order():
    sheet = qrvex.open(sample("budget.xlsx")).sheets[0]
    assert sheet.name == "Budget"
    assert [row.number for row in sheet.rows if len(row)] == [1, 2, 3, 4, 5, 7]
    assert [cell.text for cell in sheet.rows[0]] == ["Item", "Jan", "Feb", "Total"]
    assert [(cell.row, cell.column) for cell in sheet.rows[1]] == [(2, 1), (2, 2), (2, 3), (2, 4)]
    assert (sheet.row_count, sheet.column_count) == (7, 4)


def test_a_date_cell_has_its_day_number_and_its_date():
    cell = qrvex.open(sample("budget.xlsx")).sheets[0].cell("A7")
    assert cell.value == 46363.0
    assert (cell.date, cell.text, cell.format) == ("2026-12-07", "12/7/2026", "m/d/yyyy")


def test_a_workbooks_text_has_a_line_a_row():
    book = qrvex.open(sample("budget.xlsx"))
    lines = book.text.splitlines()
    assert lines[0] == "Item\tJan\tFeb\tTotal"
    assert lines[1] == "Rent\t1,200.00\t1,200.00\t2,400.00"
    assert lines[-1] == "12/7/2026"


def workbook(cells):
    """An XLSX package of one sheet holding the given <c> elements in row 1."""
    parts = {
        "[Content_Types].xml":
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            '<Override PartName="/xl/workbook.xml" ContentType="application/'
            'vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
            '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/'
            'vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>',
        "_rels/.rels":
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
            'officeDocument" Target="xl/workbook.xml"/></Relationships>',
        "xl/workbook.xml":
            '<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            '<sheets><sheet name="Kinds" sheetId="1" r:id="rId1"/></sheets></workbook>',
        "xl/_rels/workbook.xml.rels":
            '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
            '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/'
            'worksheet" Target="worksheets/sheet1.xml"/></Relationships>',
        "xl/worksheets/sheet1.xml":
            '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>'
            f'<row r="1">{cells}</row></sheetData></worksheet>',
    }
    stream = io.BytesIO()
    with zipfile.ZipFile(stream, "w") as package:
        for name, text in parts.items():
            package.writestr(name, text)
    return stream.getvalue()


KINDS = [
    # (the cell's XML, type, raw value, text as shown)
    ('<c r="A1" t="inlineStr"><is><t>north</t></is></c>', "text", "north", "north"),
    ('<c r="A1"><v>2.5</v></c>', "number", 2.5, "2.5"),
    ('<c r="A1"><v>-7</v></c>', "number", -7.0, "-7"),
    ('<c r="A1" t="b"><v>1</v></c>', "boolean", True, "TRUE"),
    ('<c r="A1" t="b"><v>0</v></c>', "boolean", False, "FALSE"),
    ('<c r="A1" t="e"><v>#DIV/0!</v></c>', "error", None, "#DIV/0!"),
]


@pytest.mark.parametrize("xml, type, value, text", KINDS, ids=[k[1] + ":" + k[3] for k in KINDS])
def test_each_kind_of_cell(xml, type, value, text):
    cell = qrvex.open(workbook(xml), name="kinds.xlsx").sheet("Kinds").cell("A1")
    assert (cell.type, cell.value, cell.text) == (type, value, text)
    assert type != "number" or isinstance(cell.value, float)


@pytest.mark.parametrize("kind", ["a path", "a str path", "bytes", "a file object"])
def test_every_source_opens_the_same_document(kind):
    path = sample("budget.xlsx")
    sources = {
        "a path": lambda: path,
        "a str path": lambda: str(path),
        "bytes": lambda: path.read_bytes(),
        "a file object": lambda: open(path, "rb"),
    }
    src = sources[kind]()
    try:
        book = qrvex.open(src, name="budget.xlsx")
    finally:
        if hasattr(src, "close"):
            src.close()
    assert book.format == "xlsx"
    assert book.data == qrvex.open(path).data


@pytest.mark.parametrize("call, error, named", [
    (lambda d: qrvex.open(d / "absent.xlsx"), qrvex.DocumentError, "absent.xlsx"),
    (lambda d: qrvex.open(b"PK\x03\x04 broken", name="upload.xlsx"), qrvex.DocumentError, "upload.xlsx"),
    (lambda d: qrvex.open(sample("budget.xlsx"), from_format="lotus"), qrvex.FormatError, "'lotus'"),
    (lambda d: qrvex.open(workbook('<c r="A1"><v>1</v>'), name="upload.xlsx"), qrvex.DocumentError,
     "upload.xlsx: xl/worksheets/sheet1.xml: line 1"),
], ids=["a missing file", "broken bytes", "an unknown format", "a broken part"])
def test_failures_raise_the_error_that_names_them(tmp_path, call, error, named):
    with pytest.raises(error) as raised:
        call(tmp_path)
    assert named in str(raised.value)
