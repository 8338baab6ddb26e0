#include "batch_names.hpp"

#include <filesystem>
#include <map>

namespace qrv::tool {
namespace {

namespace fs = std::filesystem;

// "report-1.html" beside "report.html".
fs::path numbered(const fs::path &path, unsigned number) {
    fs::path renamed = path;
    renamed.replace_filename(path.stem().string() + "-" + std::to_string(number) + path.extension().string());
    return renamed;
}

}  // namespace

std::string mirrored_folder(const std::string &input) {
    fs::path kept;
    for (const fs::path &part : fs::path(input).lexically_normal().relative_path().parent_path())
        if (part != ".." && part != ".") kept /= part;
    return kept.generic_string();
}

std::vector<BatchOutput> plan_outputs(const std::string &dir, const std::vector<std::string> &inputs,
                                      const filters::OutputFormat &format, bool mirror) {
    std::vector<BatchOutput> outputs;
    std::map<std::string, size_t> writer_of;  // output path -> index of the input that writes it
    std::map<std::string, unsigned> tried;    // wanted path -> numbers below this one are taken
    for (size_t i = 0; i < inputs.size(); ++i) {
        std::string extension(1, '.');
        extension += format.main_extension();
        fs::path name = fs::path(inputs[i]).filename();
        name.replace_extension(extension);
        const fs::path folder = mirror ? fs::path(dir) / mirrored_folder(inputs[i]) : fs::path(dir);
        const fs::path wanted = folder / name;
        BatchOutput out{wanted.string(), {}, {}};
        if (auto taken = writer_of.find(out.path); taken != writer_of.end()) {
            out.wanted = out.path;
            out.taken_by = inputs[taken->second];
            unsigned &n = tried.try_emplace(out.path, 1).first->second;
            while (writer_of.count(out.path = numbered(wanted, n).string())) ++n;
        }
        writer_of.emplace(out.path, i);
        outputs.push_back(std::move(out));
    }
    return outputs;
}

}  // namespace qrv::tool
