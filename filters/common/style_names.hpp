// Names of paragraph styles, read once each from the style's name item.
#pragma once

#include <qrvex/changes.h>
#include <qrvex/styles.h>

#include <map>
#include <string>

namespace qrv::filters {

class StyleNames {
public:
    // UTF-8 name of the paragraph style a paragraph record applies; empty
    // when it applies none or the name cannot be read.
    const std::string &name_of(CUStyleSheet *sheet, const CUParaChangeInfo &para);

private:
    std::map<uint32_t, std::string> names_;
    std::string none_;
};

}  // namespace qrv::filters
