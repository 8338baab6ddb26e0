// The XML namespaces the importers read, each known by one enumerator
// whatever prefix a file gives it.  The transitional and strict namespaces
// of Office Open XML name the same thing and share an enumerator.
#pragma once

#include <cstdint>
#include <string_view>

namespace qrv::import {

enum class Ns : uint8_t {
    None,   // no namespace
    Other,  // a namespace the importers do not read
    Xml,    // xml:space, xml:lang
    // Open Packaging Conventions
    ContentTypes,
    PackageRelationships,
    CoreProperties,
    DublinCore,
    DublinCoreTerms,
    ExtendedProperties,
    MarkupCompatibility,
    // Office Open XML
    Relationships,  // r:id
    Spreadsheet,
    Wordprocessing,
    Presentation,  // PresentationML (p:)
    Chart,
    Diagram,  // SmartArt data (dgm:)
    DiagramDrawing,  // SmartArt drawing (dsp:)
    Drawing,
    WordDrawing,
    SheetDrawing,  // xdr: the drawing of a worksheet
    Picture,
    Vml,
    VmlOffice,
    Math,
    CustomProperties,
    DocPropsVTypes,
    // OpenDocument
    Office,
    Style,
    Text,
    Table,
    Draw,
    Fo,
    Svg,
    XLink,
    Meta,
    Number,
    Manifest,
    OdfPresentation,  // presentation:class, presentation:notes
    Config,           // settings.xml: config:config-item
    OdfChart,         // chart: of an embedded chart object
    LibreOfficeExt,
    LibreOfficeCalcExt,  // calcext:value-type="error"
};

// The enumerator of a namespace name (URI).
Ns namespace_of(std::string_view uri);

}  // namespace qrv::import
