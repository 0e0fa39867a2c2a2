#pragma once

// The statement behind a spec table lives with the other catalogue questions.
#include "catalogue/spec_queries.h"

#include <string>
#include <vector>

// The text a row copy puts on the clipboard: name + header 1 + " " + value 1, then
// "," + header K + "=" + value K for every further column.
std::string formatCopiedRow(const std::string& standardName,
                            const std::vector<std::string>& headers,
                            const std::vector<std::string>& values);
