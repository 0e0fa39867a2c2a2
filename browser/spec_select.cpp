#include "browser/spec_select.h"

std::string formatCopiedRow(const std::string& standardName,
                            const std::vector<std::string>& headers,
                            const std::vector<std::string>& values) {
    std::string text;
    for (size_t k = 0; k < headers.size() && k < values.size(); ++k) {
        if (k == 0)
            text = standardName + headers[k] + " " + values[k];
        else
            text += "," + headers[k] + "=" + values[k];
    }
    return text;
}
