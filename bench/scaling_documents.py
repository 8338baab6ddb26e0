#!/usr/bin/env python3
"""Writes the documents of bench/scaling.sh: one shape grown to COUNT
elements.

  tables      a DOCX body of COUNT one-cell tables, each followed by a paragraph
  chain-docx  COUNT DOCX paragraph styles, each based on the one before; the
              one paragraph uses the last
  chain-odt   the same chain of ODT paragraph styles
  headings    a DOCX body of COUNT level-1 headings
  csv         a CSV line of one field of COUNT KiB

Usage: scaling_documents.py SHAPE COUNT OUTPUT
"""
import sys
import zipfile

W = ('xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" '
     'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"')
PKG = 'http://schemas.openxmlformats.org/package/2006'
REL = 'http://schemas.openxmlformats.org/officeDocument/2006/relationships'
WML = 'application/vnd.openxmlformats-officedocument.wordprocessingml'


def docx(path, body, styles=''):
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr('[Content_Types].xml',
                   f'<?xml version="1.0"?><Types xmlns="{PKG}/content-types">'
                   f'<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                   f'<Default Extension="xml" ContentType="application/xml"/>'
                   f'<Override PartName="/word/document.xml" ContentType="{WML}.document.main+xml"/>'
                   f'<Override PartName="/word/styles.xml" ContentType="{WML}.styles+xml"/></Types>')
        z.writestr('_rels/.rels', f'<?xml version="1.0"?><Relationships xmlns="{PKG}/relationships">'
                   f'<Relationship Id="rId1" Type="{REL}/officeDocument" Target="word/document.xml"/></Relationships>')
        z.writestr('word/_rels/document.xml.rels', f'<?xml version="1.0"?><Relationships xmlns="{PKG}/relationships">'
                   f'<Relationship Id="rId1" Type="{REL}/styles" Target="styles.xml"/></Relationships>')
        z.writestr('word/document.xml', f'<?xml version="1.0"?><w:document {W}><w:body>{body}</w:body></w:document>')
        z.writestr('word/styles.xml', f'<?xml version="1.0"?><w:styles {W}>{styles}</w:styles>')


ODF = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
       'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
       'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
       'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"')


def odt(path, body, styles):
    with zipfile.ZipFile(path, 'w') as z:
        z.writestr('mimetype', 'application/vnd.oasis.opendocument.text')
        z.writestr('META-INF/manifest.xml',
                   '<?xml version="1.0"?><manifest:manifest '
                   'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0">'
                   '<manifest:file-entry manifest:full-path="/" '
                   'manifest:media-type="application/vnd.oasis.opendocument.text"/>'
                   '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                   '<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>'
                   '</manifest:manifest>')
        z.writestr('styles.xml', f'<?xml version="1.0"?><office:document-styles {ODF}><office:styles>{styles}'
                   '</office:styles></office:document-styles>')
        z.writestr('content.xml', f'<?xml version="1.0"?><office:document-content {ODF}><office:body><office:text>'
                   f'{body}</office:text></office:body></office:document-content>')


def main(shape, count, out):
    if shape == 'tables':
        docx(out, '<w:tbl><w:tr><w:tc><w:p><w:r><w:t>x</w:t></w:r></w:p></w:tc></w:tr></w:tbl><w:p/>' * count)
    elif shape == 'chain-docx':
        styles = ''.join(f'<w:style w:type="paragraph" w:styleId="S{i}"><w:name w:val="S{i}"/>'
                         + (f'<w:basedOn w:val="S{i - 1}"/>' if i else '') + '<w:rPr><w:b/></w:rPr></w:style>'
                         for i in range(count))
        docx(out, f'<w:p><w:pPr><w:pStyle w:val="S{count - 1}"/></w:pPr><w:r><w:t>x</w:t></w:r></w:p>', styles)
    elif shape == 'chain-odt':
        styles = ''.join(f'<style:style style:name="S{i}" style:family="paragraph"'
                         + (f' style:parent-style-name="S{i - 1}"' if i else '')
                         + '><style:text-properties fo:font-weight="bold"/></style:style>' for i in range(count))
        odt(out, f'<text:p text:style-name="S{count - 1}">x</text:p>', styles)
    elif shape == 'headings':
        styles = ('<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/>'
                  '<w:pPr><w:outlineLvl w:val="0"/></w:pPr></w:style>')
        docx(out, '<w:p><w:pPr><w:pStyle w:val="Heading1"/></w:pPr><w:r><w:t>Head</w:t></w:r></w:p>' * count, styles)
    elif shape == 'csv':
        with open(out, 'w') as f:
            f.write('abcdefgh' * (count * 128) + '\n')
    else:
        sys.exit(f'unknown shape {shape}')


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(sys.argv[1], int(sys.argv[2]), sys.argv[3])
