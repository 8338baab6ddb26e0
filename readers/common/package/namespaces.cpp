#include "namespaces.hpp"

namespace qrv::import {
namespace {

struct KnownNamespace {
    std::string_view uri;
    Ns ns;
};

// Looked up by length first, so most names compare once.
constexpr KnownNamespace kNamespaces[] = {
    {"http://www.w3.org/XML/1998/namespace", Ns::Xml},
    {"http://schemas.openxmlformats.org/package/2006/content-types", Ns::ContentTypes},
    {"http://schemas.openxmlformats.org/package/2006/relationships", Ns::PackageRelationships},
    {"http://schemas.openxmlformats.org/package/2006/metadata/core-properties", Ns::CoreProperties},
    {"http://purl.org/dc/elements/1.1/", Ns::DublinCore},
    {"http://purl.org/dc/terms/", Ns::DublinCoreTerms},
    {"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties", Ns::ExtendedProperties},
    {"http://purl.oclc.org/ooxml/officeDocument/extendedProperties", Ns::ExtendedProperties},
    {"http://schemas.openxmlformats.org/markup-compatibility/2006", Ns::MarkupCompatibility},
    {"http://schemas.openxmlformats.org/officeDocument/2006/relationships", Ns::Relationships},
    {"http://purl.oclc.org/ooxml/officeDocument/relationships", Ns::Relationships},
    {"http://schemas.openxmlformats.org/spreadsheetml/2006/main", Ns::Spreadsheet},
    {"http://purl.oclc.org/ooxml/spreadsheetml/main", Ns::Spreadsheet},
    {"http://schemas.openxmlformats.org/wordprocessingml/2006/main", Ns::Wordprocessing},
    {"http://purl.oclc.org/ooxml/wordprocessingml/main", Ns::Wordprocessing},
    {"http://schemas.openxmlformats.org/presentationml/2006/main", Ns::Presentation},
    {"http://purl.oclc.org/ooxml/presentationml/main", Ns::Presentation},
    {"http://schemas.openxmlformats.org/drawingml/2006/chart", Ns::Chart},
    {"http://purl.oclc.org/ooxml/drawingml/chart", Ns::Chart},
    {"http://schemas.openxmlformats.org/drawingml/2006/diagram", Ns::Diagram},
    {"http://purl.oclc.org/ooxml/drawingml/diagram", Ns::Diagram},
    {"http://schemas.microsoft.com/office/drawing/2008/diagram", Ns::DiagramDrawing},
    {"http://schemas.openxmlformats.org/drawingml/2006/main", Ns::Drawing},
    {"http://purl.oclc.org/ooxml/drawingml/main", Ns::Drawing},
    {"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing", Ns::WordDrawing},
    {"http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing", Ns::WordDrawing},
    {"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing", Ns::SheetDrawing},
    {"http://purl.oclc.org/ooxml/drawingml/spreadsheetDrawing", Ns::SheetDrawing},
    {"http://schemas.openxmlformats.org/drawingml/2006/picture", Ns::Picture},
    {"urn:schemas-microsoft-com:vml", Ns::Vml},
    {"urn:schemas-microsoft-com:office:office", Ns::VmlOffice},
    {"http://schemas.openxmlformats.org/officeDocument/2006/math", Ns::Math},
    {"http://purl.oclc.org/ooxml/officeDocument/math", Ns::Math},
    {"http://schemas.openxmlformats.org/officeDocument/2006/custom-properties", Ns::CustomProperties},
    {"http://purl.oclc.org/ooxml/officeDocument/customProperties", Ns::CustomProperties},
    {"http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes", Ns::DocPropsVTypes},
    {"http://purl.oclc.org/ooxml/officeDocument/docPropsVTypes", Ns::DocPropsVTypes},
    {"urn:oasis:names:tc:opendocument:xmlns:office:1.0", Ns::Office},
    {"urn:oasis:names:tc:opendocument:xmlns:style:1.0", Ns::Style},
    {"urn:oasis:names:tc:opendocument:xmlns:text:1.0", Ns::Text},
    {"urn:oasis:names:tc:opendocument:xmlns:table:1.0", Ns::Table},
    {"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0", Ns::Draw},
    {"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0", Ns::Fo},
    {"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0", Ns::Svg},
    {"http://www.w3.org/1999/xlink", Ns::XLink},
    {"urn:oasis:names:tc:opendocument:xmlns:meta:1.0", Ns::Meta},
    {"urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0", Ns::Number},
    {"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0", Ns::Manifest},
    {"urn:oasis:names:tc:opendocument:xmlns:presentation:1.0", Ns::OdfPresentation},
    {"urn:oasis:names:tc:opendocument:xmlns:config:1.0", Ns::Config},
    {"urn:oasis:names:tc:opendocument:xmlns:chart:1.0", Ns::OdfChart},
    {"urn:org:documentfoundation:names:experimental:office:xmlns:loext:1.0", Ns::LibreOfficeExt},
    {"urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0", Ns::LibreOfficeCalcExt},
};

}  // namespace

Ns namespace_of(std::string_view uri) {
    if (uri.empty()) return Ns::None;
    for (const auto &known : kNamespaces)
        if (known.uri.size() == uri.size() && known.uri == uri) return known.ns;
    return Ns::Other;
}

}  // namespace qrv::import
