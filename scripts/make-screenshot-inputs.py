#!/usr/bin/env python3
"""Writes the two files of the screenshots in docs/screenshots/:
sales.xlsx, a sheet that keeps its looks (a header row in a dark fill with
bold white text, banded rows, number formats, set column widths, borders, a
frozen header row) with a column chart of its values cached in the chart
part; and pictures.docx, a title, headings, paragraphs and two PNG pictures
(drawn here) with alt text and the size the document shows them at.
Nothing is fetched; entries carry a fixed time, so the files come out the
same on every run.
Usage: python3 scripts/make-screenshot-inputs.py FOLDER"""
import importlib.util
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location('office_samples', os.path.join(HERE, 'make-office-samples.py'))
office_samples = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(office_samples)
write_package = office_samples.write_package

XML = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
REL = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
PKG_REL = 'http://schemas.openxmlformats.org/package/2006/relationships'
EMU_PER_INCH = 914400


def relationships(rels):
    body = ''.join(f'<Relationship Id="{rid}" Type="{REL}/{kind}" Target="{target}"/>' for rid, kind, target in rels)
    return XML + f'<Relationships xmlns="{PKG_REL}">{body}</Relationships>'


def content_types(defaults, overrides):
    d = ''.join(f'<Default Extension="{ext}" ContentType="{mime}"/>' for ext, mime in defaults)
    o = ''.join(f'<Override PartName="{part}" ContentType="{mime}"/>' for part, mime in overrides)
    return XML + f'<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">{d}{o}</Types>'


PACKAGE_DEFAULTS = [('rels', 'application/vnd.openxmlformats-package.relationships+xml'), ('xml', 'application/xml')]


def package_rels(main_part):
    return relationships([('rId1', 'officeDocument', main_part)])


# --- the workbook -----------------------------------------------------------

QUARTERS = ['Q1', 'Q2', 'Q3', 'Q4']
REGIONS = [('North', [1250, 1410, 1380, 1620]), ('South', [980, 1105, 1190, 1240]),
           ('East', [1530, 1490, 1655, 1710]), ('West', [860, 940, 1010, 1185]),
           ('Central', [1120, 1180, 1095, 1300])]
SERIES_COLOURS = ['1F4E79', '2E75B6', '9DC3E6', 'F4B183']

# cellXfs: 0 plain, 1 header, 2 text band 0, 3 number band 0, 4 total band 0,
# 5 share band 0, 6..9 the same on band 1, 10 total label, 11 total number, 12 total share
STYLES = XML + '''<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">
<numFmts count="1"><numFmt numFmtId="164" formatCode="0.0%"/></numFmts>
<fonts count="3"><font><sz val="11"/><name val="Calibri"/></font><font><b/><sz val="11"/><color rgb="FFFFFFFF"/><name val="Calibri"/></font><font><b/><sz val="11"/><name val="Calibri"/></font></fonts>
<fills count="4"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill><fill><patternFill patternType="solid"><fgColor rgb="FF1F4E79"/><bgColor indexed="64"/></patternFill></fill><fill><patternFill patternType="solid"><fgColor rgb="FFDDEBF7"/><bgColor indexed="64"/></patternFill></fill></fills>
<borders count="3"><border><left/><right/><top/><bottom/><diagonal/></border><border><left style="thin"><color rgb="FF8EA9DB"/></left><right style="thin"><color rgb="FF8EA9DB"/></right><top style="thin"><color rgb="FF8EA9DB"/></top><bottom style="thin"><color rgb="FF8EA9DB"/></bottom><diagonal/></border><border><left style="thin"><color rgb="FF8EA9DB"/></left><right style="thin"><color rgb="FF8EA9DB"/></right><top style="double"><color rgb="FF1F4E79"/></top><bottom style="medium"><color rgb="FF1F4E79"/></bottom><diagonal/></border></borders>
<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>
<cellXfs count="13">
<xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>
<xf numFmtId="0" fontId="1" fillId="2" borderId="1" xfId="0" applyFont="1" applyFill="1" applyBorder="1" applyAlignment="1"><alignment horizontal="center" vertical="center"/></xf>
<xf numFmtId="0" fontId="0" fillId="0" borderId="1" xfId="0" applyBorder="1"/>
<xf numFmtId="3" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" applyBorder="1"/>
<xf numFmtId="4" fontId="2" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" applyFont="1" applyBorder="1"/>
<xf numFmtId="164" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" applyBorder="1"/>
<xf numFmtId="0" fontId="0" fillId="3" borderId="1" xfId="0" applyFill="1" applyBorder="1"/>
<xf numFmtId="3" fontId="0" fillId="3" borderId="1" xfId="0" applyNumberFormat="1" applyFill="1" applyBorder="1"/>
<xf numFmtId="4" fontId="2" fillId="3" borderId="1" xfId="0" applyNumberFormat="1" applyFont="1" applyFill="1" applyBorder="1"/>
<xf numFmtId="164" fontId="0" fillId="3" borderId="1" xfId="0" applyNumberFormat="1" applyFill="1" applyBorder="1"/>
<xf numFmtId="0" fontId="2" fillId="0" borderId="2" xfId="0" applyFont="1" applyBorder="1"/>
<xf numFmtId="4" fontId="2" fillId="0" borderId="2" xfId="0" applyNumberFormat="1" applyFont="1" applyBorder="1"/>
<xf numFmtId="164" fontId="2" fillId="0" borderId="2" xfId="0" applyNumberFormat="1" applyFont="1" applyBorder="1"/>
</cellXfs>
<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>
</styleSheet>'''


def column(index):
    return 'ABCDEFGHIJ'[index]


def text_cell(ref, text, style):
    return f'<c r="{ref}" s="{style}" t="inlineStr"><is><t>{text}</t></is></c>'


def number_cell(ref, value, style, formula=None):
    f = f'<f>{formula}</f>' if formula else ''
    return f'<c r="{ref}" s="{style}">{f}<v>{value}</v></c>'


def sales_rows():
    grand = sum(sum(q) for _, q in REGIONS)
    header = ['Region'] + QUARTERS + ['Total', 'Share']
    rows = [f'<row r="1" ht="22" customHeight="1">' + ''.join(text_cell(f'{column(i)}1', h, 1) for i, h in enumerate(header)) + '</row>']
    for n, (region, quarters) in enumerate(REGIONS):
        r, band = n + 2, 4 * (n % 2)
        total = sum(quarters)
        cells = [text_cell(f'A{r}', region, 2 + band)]
        cells += [number_cell(f'{column(i + 1)}{r}', q, 3 + band) for i, q in enumerate(quarters)]
        cells.append(number_cell(f'F{r}', total, 4 + band, f'SUM(B{r}:E{r})'))
        cells.append(number_cell(f'G{r}', round(total / grand, 6), 5 + band, f'F{r}/F$7'))
        rows.append(f'<row r="{r}">' + ''.join(cells) + '</row>')
    last = len(REGIONS) + 1
    totals = [text_cell('A7', 'Total', 10)]
    totals += [number_cell(f'{column(i + 1)}7', sum(q[i] for _, q in REGIONS), 11, f'SUM({column(i + 1)}2:{column(i + 1)}{last})') for i in range(4)]
    totals += [number_cell('F7', grand, 11, f'SUM(F2:F{last})'), number_cell('G7', 1, 12, f'SUM(G2:G{last})')]
    rows.append('<row r="7">' + ''.join(totals) + '</row>')
    return ''.join(rows)


def sales_sheet():
    widths = [16, 10, 10, 10, 10, 12, 9]
    cols = ''.join(f'<col min="{i + 1}" max="{i + 1}" width="{w}" customWidth="1"/>' for i, w in enumerate(widths))
    view = '<sheetViews><sheetView workbookViewId="0"><pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/></sheetView></sheetViews>'
    return (XML + '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="' + REL + '">'
            + '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
            + f'<dimension ref="A1:G7"/>{view}<sheetFormatPr defaultRowHeight="15"/><cols>{cols}</cols>'
            + f'<sheetData>{sales_rows()}</sheetData>'
            + '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>'
            + '<pageSetup paperSize="9" orientation="landscape" fitToWidth="1" fitToHeight="1"/>'
            + '<drawing r:id="rId1"/></worksheet>')


def sales_drawing():
    def corner(tag, col, row):
        return f'<xdr:{tag}><xdr:col>{col}</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>{row}</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:{tag}>'
    return (XML + '<xdr:wsDr xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing" '
            'xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">'
            '<xdr:twoCellAnchor>' + corner('from', 0, 8) + corner('to', 7, 26)
            + '<xdr:graphicFrame macro=""><xdr:nvGraphicFramePr><xdr:cNvPr id="2" name="Sales chart"/><xdr:cNvGraphicFramePr/></xdr:nvGraphicFramePr>'
            '<xdr:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/></xdr:xfrm>'
            '<a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/chart">'
            f'<c:chart xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart" xmlns:r="{REL}" r:id="rId1"/>'
            '</a:graphicData></a:graphic></xdr:graphicFrame><xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>')


def rich_text(text):
    return f'<c:tx><c:rich><a:bodyPr/><a:p><a:r><a:t>{text}</a:t></a:r></a:p></c:rich></c:tx><c:overlay val="0"/>'


def string_cache(ref, texts):
    pts = ''.join(f'<c:pt idx="{i}"><c:v>{t}</c:v></c:pt>' for i, t in enumerate(texts))
    return f'<c:strRef><c:f>{ref}</c:f><c:strCache><c:ptCount val="{len(texts)}"/>{pts}</c:strCache></c:strRef>'


def number_cache(ref, values):
    pts = ''.join(f'<c:pt idx="{i}"><c:v>{v}</c:v></c:pt>' for i, v in enumerate(values))
    return f'<c:numRef><c:f>{ref}</c:f><c:numCache><c:formatCode>General</c:formatCode><c:ptCount val="{len(values)}"/>{pts}</c:numCache></c:numRef>'


def chart_series(index):
    col = column(index + 1)
    last = len(REGIONS) + 1
    fill = f'<c:spPr><a:solidFill><a:srgbClr val="{SERIES_COLOURS[index]}"/></a:solidFill></c:spPr>'
    return (f'<c:ser><c:idx val="{index}"/><c:order val="{index}"/><c:tx>{string_cache(f"Sales!${col}$1", [QUARTERS[index]])}</c:tx>{fill}'
            f'<c:invertIfNegative val="0"/><c:cat>{string_cache(f"Sales!$A$2:$A${last}", [r for r, _ in REGIONS])}</c:cat>'
            f'<c:val>{number_cache(f"Sales!${col}$2:${col}${last}", [q[index] for _, q in REGIONS])}</c:val></c:ser>')


def sales_chart():
    series = ''.join(chart_series(i) for i in range(len(QUARTERS)))
    axes = ('<c:catAx><c:axId val="10"/><c:scaling><c:orientation val="minMax"/></c:scaling><c:delete val="0"/><c:axPos val="b"/>'
            f'<c:title>{rich_text("Region")}</c:title><c:crossAx val="20"/></c:catAx>'
            '<c:valAx><c:axId val="20"/><c:scaling><c:orientation val="minMax"/></c:scaling><c:delete val="0"/><c:axPos val="l"/>'
            f'<c:majorGridlines/><c:title>{rich_text("Units sold")}</c:title><c:numFmt formatCode="#,##0" sourceLinked="0"/><c:crossAx val="10"/></c:valAx>')
    return (XML + '<c:chartSpace xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart" '
            f'xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" xmlns:r="{REL}">'
            f'<c:chart><c:title>{rich_text("Units sold by quarter")}</c:title><c:autoTitleDeleted val="0"/><c:plotArea><c:layout/>'
            f'<c:barChart><c:barDir val="col"/><c:grouping val="clustered"/><c:varyColors val="0"/>{series}'
            f'<c:gapWidth val="150"/><c:axId val="10"/><c:axId val="20"/></c:barChart>{axes}</c:plotArea>'
            '<c:legend><c:legendPos val="b"/><c:overlay val="0"/></c:legend><c:plotVisOnly val="1"/></c:chart></c:chartSpace>')


def sales_xlsx_parts():
    ml = 'application/vnd.openxmlformats-officedocument'
    ct = content_types(PACKAGE_DEFAULTS, [
        ('/xl/workbook.xml', f'{ml}.spreadsheetml.sheet.main+xml'),
        ('/xl/worksheets/sheet1.xml', f'{ml}.spreadsheetml.worksheet+xml'),
        ('/xl/styles.xml', f'{ml}.spreadsheetml.styles+xml'),
        ('/xl/drawings/drawing1.xml', f'{ml}.drawing+xml'),
        ('/xl/charts/chart1.xml', f'{ml}.drawingml.chart+xml')])
    wb = (XML + f'<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="{REL}">'
          '<sheets><sheet name="Sales" sheetId="1" r:id="rId1"/></sheets></workbook>')
    return [('[Content_Types].xml', ct), ('_rels/.rels', package_rels('xl/workbook.xml')), ('xl/workbook.xml', wb),
            ('xl/_rels/workbook.xml.rels', relationships([('rId1', 'worksheet', 'worksheets/sheet1.xml'), ('rId2', 'styles', 'styles.xml')])),
            ('xl/worksheets/sheet1.xml', sales_sheet()), ('xl/styles.xml', STYLES),
            ('xl/worksheets/_rels/sheet1.xml.rels', relationships([('rId1', 'drawing', '../drawings/drawing1.xml')])),
            ('xl/drawings/drawing1.xml', sales_drawing()),
            ('xl/drawings/_rels/drawing1.xml.rels', relationships([('rId1', 'chart', '../charts/chart1.xml')])),
            ('xl/charts/chart1.xml', sales_chart())]


# --- the pictures -----------------------------------------------------------

def png(width, height, pixel):
    """A truecolour PNG whose pixel (x, y) is the (r, g, b) pixel() gives."""
    raw = b''.join(b'\0' + bytes(c for x in range(width) for c in pixel(x, y)) for y in range(height))
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def bars_picture(x, y):
    """Four bars on white, rising left to right."""
    heights = [60, 95, 130, 165]
    bar = x // 60
    if x % 60 >= 12 and 200 - y <= heights[min(bar, 3)]:
        return [(31, 78, 121), (46, 117, 182), (157, 195, 230), (244, 177, 131)][min(bar, 3)]
    return (255, 255, 255) if y < 198 else (64, 64, 64)


def disc_picture(x, y):
    """An orange disc with a blue ring on a pale ground."""
    d = ((x - 100) ** 2 + (y - 100) ** 2) ** 0.5
    if d < 60:
        return (237, 125, 49)
    if d < 80:
        return (46, 117, 182)
    return (242, 242, 242)


# --- the document -----------------------------------------------------------

W_NS = ('xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" '
        f'xmlns:r="{REL}" '
        'xmlns:wp="http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing" '
        'xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
        'xmlns:pic="http://schemas.openxmlformats.org/drawingml/2006/picture"')


def inline_picture(rid, number, name, alt, width_in, height_in):
    cx, cy = int(width_in * EMU_PER_INCH), int(height_in * EMU_PER_INCH)
    return (f'<w:r><w:drawing><wp:inline distT="0" distB="0" distL="0" distR="0"><wp:extent cx="{cx}" cy="{cy}"/>'
            f'<wp:docPr id="{number}" name="{name}" descr="{alt}"/>'
            '<a:graphic><a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/picture"><pic:pic>'
            f'<pic:nvPicPr><pic:cNvPr id="{number}" name="{name}" descr="{alt}"/><pic:cNvPicPr/></pic:nvPicPr>'
            f'<pic:blipFill><a:blip r:embed="{rid}"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill>'
            f'<pic:spPr><a:xfrm><a:off x="0" y="0"/><a:ext cx="{cx}" cy="{cy}"/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom></pic:spPr>'
            '</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>')


def paragraph(body, style=None, centred=False):
    ppr = ''
    if style or centred:
        ppr = '<w:pPr>' + (f'<w:pStyle w:val="{style}"/>' if style else '') + ('<w:jc w:val="center"/>' if centred else '') + '</w:pPr>'
    return f'<w:p>{ppr}{body}</w:p>'


def run(text, bold=False, italic=False):
    rpr = ''
    if bold or italic:
        rpr = '<w:rPr>' + ('<w:b/>' if bold else '') + ('<w:i/>' if italic else '') + '</w:rPr>'
    return f'<w:r>{rpr}<w:t xml:space="preserve">{text}</w:t></w:r>'


def pictures_document():
    body = ''.join([
        paragraph(run('Site Visit Notes'), 'Title'),
        paragraph(run('The new warehouse'), 'Heading1'),
        paragraph(run('The warehouse opened in March. Deliveries rose each quarter, as the chart below shows; the ')
                  + run('fourth quarter', bold=True) + run(' was the best so far, and the loading bays are now ')
                  + run('fully booked', italic=True) + run(' until spring.')),
        paragraph(inline_picture('rIdImg1', 1, 'Picture 1', 'Deliveries per quarter, rising from Q1 to Q4', 2.5, 2.0833), centred=True),
        paragraph(run('Figure 1. Deliveries per quarter.', italic=True), centred=True),
        paragraph(run('The site'), 'Heading2'),
        paragraph(run('The logo on the gate was repainted in the company colours. It is shown here at one and a half inches, '
                      'smaller than the picture itself.')),
        paragraph(inline_picture('rIdImg2', 2, 'Picture 2', 'The company logo: an orange disc in a blue ring', 1.5, 1.5)),
        paragraph(run('Next visit: after the spring delivery peak.')),
    ])
    return (XML + f'<w:document {W_NS}><w:body>{body}'
            '<w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1134" w:right="1134" w:bottom="1134" w:left="1134" w:header="567" w:footer="567" w:gutter="0"/></w:sectPr>'
            '</w:body></w:document>')


def document_styles():
    def style(sid, name, extra, based='Normal'):
        b = f'<w:basedOn w:val="{based}"/>' if based else ''
        return f'<w:style w:type="paragraph" w:styleId="{sid}"><w:name w:val="{name}"/>{b}{extra}</w:style>'
    return (XML + f'<w:styles {W_NS}>'
            + style('Normal', 'Normal', '<w:pPr><w:spacing w:after="120"/></w:pPr><w:rPr><w:rFonts w:ascii="Liberation Sans" w:hAnsi="Liberation Sans"/><w:sz w:val="22"/></w:rPr>', None)
            + style('Title', 'Title', '<w:pPr><w:spacing w:after="240"/></w:pPr><w:rPr><w:b/><w:color w:val="1F4E79"/><w:sz w:val="48"/></w:rPr>')
            + style('Heading1', 'heading 1', '<w:pPr><w:keepNext/><w:spacing w:before="240" w:after="120"/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:color w:val="2E75B6"/><w:sz w:val="32"/></w:rPr>')
            + style('Heading2', 'heading 2', '<w:pPr><w:keepNext/><w:spacing w:before="200" w:after="80"/><w:outlineLvl w:val="1"/></w:pPr><w:rPr><w:b/><w:sz w:val="26"/></w:rPr>')
            + '</w:styles>')


def pictures_docx_parts():
    ml = 'application/vnd.openxmlformats-officedocument'
    ct = content_types(PACKAGE_DEFAULTS + [('png', 'image/png')], [
        ('/word/document.xml', f'{ml}.wordprocessingml.document.main+xml'),
        ('/word/styles.xml', f'{ml}.wordprocessingml.styles+xml'),
        ('/docProps/core.xml', 'application/vnd.openxmlformats-package.core-properties+xml')])
    core = (XML + '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>Site Visit Notes</dc:title><dc:language>en-GB</dc:language></cp:coreProperties>')
    rels = XML + (f'<Relationships xmlns="{PKG_REL}"><Relationship Id="rId1" Type="{REL}/officeDocument" Target="word/document.xml"/>'
                  f'<Relationship Id="rId2" Type="{PKG_REL}/metadata/core-properties" Target="docProps/core.xml"/></Relationships>')
    docrels = relationships([('rIdS', 'styles', 'styles.xml'), ('rIdImg1', 'image', 'media/image1.png'), ('rIdImg2', 'image', 'media/image2.png')])
    return [('[Content_Types].xml', ct), ('_rels/.rels', rels), ('word/document.xml', pictures_document()),
            ('word/_rels/document.xml.rels', docrels), ('word/styles.xml', document_styles()),
            ('word/media/image1.png', png(240, 200, bars_picture)), ('word/media/image2.png', png(200, 200, disc_picture)),
            ('docProps/core.xml', core)]


if __name__ == '__main__':
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_package(os.path.join(folder, 'sales.xlsx'), sales_xlsx_parts())
    write_package(os.path.join(folder, 'pictures.docx'), pictures_docx_parts())
