#!/usr/bin/env python3
"""Writes the office samples of samples/: report.docx, a short report (title,
headings, a numbered list, a link, a table), and budget.xlsx, a small budget
sheet (shared strings, number formats, formulas with their results, a date).
Entries carry a fixed time, so the files come out the same on every run.
Usage: python3 scripts/make-office-samples.py [FOLDER]   (default: samples)"""
import os
import sys
import zipfile

def report_docx_parts():
    W='xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
    def p(text, style=None, runs=None, num=None):
        ppr=''
        if style or num:
            ppr='<w:pPr>'+(f'<w:pStyle w:val="{style}"/>' if style else '')+(f'<w:numPr><w:ilvl w:val="0"/><w:numId w:val="{num}"/></w:numPr>' if num else '')+'</w:pPr>'
        body=runs if runs is not None else f'<w:r><w:t xml:space="preserve">{text}</w:t></w:r>'
        return f'<w:p>{ppr}{body}</w:p>'
    def r(t,b=False,i=False):
        rpr=''
        if b or i: rpr='<w:rPr>'+('<w:b/>' if b else '')+('<w:i/>' if i else '')+'</w:rPr>'
        return f'<w:r>{rpr}<w:t xml:space="preserve">{t}</w:t></w:r>'
    def cell(t): return f'<w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/></w:tcPr>{p(t)}</w:tc>'
    rows=[('Region','Q1','Q2'),('North','1,250','1,410'),('South','980','1,105'),('Total','2,230','2,515')]
    table='<w:tbl><w:tblPr><w:tblStyle w:val="TableGrid"/><w:tblW w:w="9000" w:type="dxa"/></w:tblPr><w:tblGrid><w:gridCol w:w="3000"/><w:gridCol w:w="3000"/><w:gridCol w:w="3000"/></w:tblGrid>'+''.join('<w:tr>'+''.join(cell(c) for c in row)+'</w:tr>' for row in rows)+'</w:tbl>'
    body=''.join([
     p('Quarterly Report','Title'),
     p('Summary','Heading1'),
     p(None,runs=r('Sales rose in both regions. ')+r('Revenue',b=True)+r(' grew by ')+r('12.8 %',i=True)+r(' over the quarter; details are on the ')+'<w:hyperlink r:id="rIdLink"><w:r><w:rPr><w:rStyle w:val="Hyperlink"/></w:rPr><w:t>project site</w:t></w:r></w:hyperlink>'+r('.')),
     p('Goals','Heading2'),
     p('Open two new offices','ListParagraph',num=1),
     p('Hire twelve engineers','ListParagraph',num=1),
     p('Ship the converter','ListParagraph',num=1),
     p('Figures','Heading1'),
     table,
     p('All figures in thousands of euros.'),
    ])
    doc=f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:document {W}><w:body>{body}<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr></w:body></w:document>'
    def style(id,name,extra='',kind='paragraph',based=None):
        b=f'<w:basedOn w:val="{based}"/>' if based else ''
        return f'<w:style w:type="{kind}" w:styleId="{id}"><w:name w:val="{name}"/>{b}{extra}</w:style>'
    styles=f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:styles {W}>'+''.join([
     style('Normal','Normal','<w:rPr><w:sz w:val="22"/></w:rPr>'),
     style('Title','Title','<w:rPr><w:b/><w:sz w:val="48"/></w:rPr>',based='Normal'),
     style('Heading1','heading 1','<w:pPr><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:sz w:val="32"/></w:rPr>',based='Normal'),
     style('Heading2','heading 2','<w:pPr><w:outlineLvl w:val="1"/></w:pPr><w:rPr><w:b/><w:sz w:val="26"/></w:rPr>',based='Normal'),
     style('ListParagraph','List Paragraph','<w:pPr><w:ind w:left="720"/></w:pPr>',based='Normal'),
     style('Hyperlink','Hyperlink','<w:rPr><w:color w:val="0563C1"/><w:u w:val="single"/></w:rPr>',kind='character'),
     style('TableGrid','Table Grid','',kind='table'),
    ])+'</w:styles>'
    numbering=f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:numbering {W}><w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/><w:pPr><w:ind w:left="720" w:hanging="360"/></w:pPr></w:lvl></w:abstractNum><w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num></w:numbering>'
    ct='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/><Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/><Override PartName="/word/numbering.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml"/><Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/></Types>'
    rels='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/></Relationships>'
    docrels='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/><Relationship Id="rIdN" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering" Target="numbering.xml"/><Relationship Id="rIdLink" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="https://example.org/report" TargetMode="External"/></Relationships>'
    core='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><dc:title>Quarterly Report</dc:title><dc:creator>QRVEX</dc:creator><dcterms:created xsi:type="dcterms:W3CDTF">2026-12-07T09:00:00Z</dcterms:created></cp:coreProperties>'
    return [('[Content_Types].xml',ct),('_rels/.rels',rels),('word/document.xml',doc),('word/_rels/document.xml.rels',docrels),('word/styles.xml',styles),('word/numbering.xml',numbering),('docProps/core.xml',core)]


def budget_xlsx_parts():
    strings=['Item','Jan','Feb','Total','Rent','Salaries','Travel','Sum']
    def si(s): return strings.index(s)
    rows=[
     [('A1','s','Item'),('B1','s','Jan'),('C1','s','Feb'),('D1','s','Total')],
     [('A2','s','Rent'),('B2','n',1200,1),('C2','n',1200,1),('D2','f','B2+C2',2400,1)],
     [('A3','s','Salaries'),('B3','n',18500.5,1),('C3','n',19250.25,1),('D3','f','B3+C3',37750.75,1)],
     [('A4','s','Travel'),('B4','n',432.1,1),('C4','n',0,1),('D4','f','B4+C4',432.1,1)],
     [('A5','s','Sum'),('B5','f','SUM(B2:B4)',20132.6,2),('C5','f','SUM(C2:C4)',20450.25,2),('D5','f','SUM(D2:D4)',40582.85,2)],
     [('A7','d',46363,3)],
    ]
    def c(x):
        ref,t=x[0],x[1]
        if t=='s': return f'<c r="{ref}" t="s"><v>{si(x[2])}</v></c>'
        if t=='n': return f'<c r="{ref}" s="{x[3]}"><v>{x[2]}</v></c>'
        if t=='d': return f'<c r="{ref}" s="{x[3]}"><v>{x[2]}</v></c>'
        return f'<c r="{ref}" s="{x[4]}"><f>{x[2]}</f><v>{x[3]}</v></c>'
    sheetrows=''.join(f'<row r="{row[0][0][1:]}">'+''.join(c(x) for x in row)+'</row>' for row in rows)
    sheet=f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><dimension ref="A1:D7"/><cols><col min="1" max="1" width="14" customWidth="1"/></cols><sheetData>{sheetrows}</sheetData></worksheet>'
    sst='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="%d" uniqueCount="%d">'%(len(strings),len(strings))+''.join(f'<si><t>{s}</t></si>' for s in strings)+'</sst>'
    styles='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><numFmts count="1"><numFmt numFmtId="164" formatCode="#,##0.00 &quot;EUR&quot;"/></numFmts><fonts count="2"><font><sz val="11"/><name val="Calibri"/></font><font><b/><sz val="11"/><name val="Calibri"/></font></fonts><fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills><borders count="1"><border/></borders><cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs><cellXfs count="4"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/><xf numFmtId="4" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/><xf numFmtId="164" fontId="1" fillId="0" borderId="0" xfId="0" applyNumberFormat="1" applyFont="1"/><xf numFmtId="14" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/></cellXfs></styleSheet>'
    wb='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Budget" sheetId="1" r:id="rId1"/></sheets></workbook>'
    wbrels='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>'
    rels='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>'
    ct='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/><Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/><Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/></Types>'
    return [('[Content_Types].xml',ct),('_rels/.rels',rels),('xl/workbook.xml',wb),('xl/_rels/workbook.xml.rels',wbrels),('xl/worksheets/sheet1.xml',sheet),('xl/sharedStrings.xml',sst),('xl/styles.xml',styles)]


def write_package(path, parts):
    with zipfile.ZipFile(path, 'w') as z:
        for name, data in parts:
            entry = zipfile.ZipInfo(name, (2026, 12, 7, 9, 0, 0))
            entry.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(entry, data)


if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else 'samples'
    write_package(os.path.join(folder, 'report.docx'), report_docx_parts())
    write_package(os.path.join(folder, 'budget.xlsx'), budget_xlsx_parts())
