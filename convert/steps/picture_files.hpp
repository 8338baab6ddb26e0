// The pictures of a page written as files of a folder beside it: for
// "a/report.html", "a/report_files/image1.png" and so on, each under its
// resource's name (CHGetResourceAt), the page referring to
// "report_files/image1.png".
#pragma once

#include <qrvch.h>

#include <string>

#include "outcome.hpp"

namespace qrv::convert {

// The folder's name as the page refers to it: "report_files".
std::string picture_folder_name(const std::string &output_path);

// Writes every resource of the document into the folder beside
// output_path (made when missing), each file whole or not at all.  A
// document without resources writes nothing, not even the folder.
Outcome write_picture_files(CHHandle h, const std::string &output_path);

}  // namespace qrv::convert
