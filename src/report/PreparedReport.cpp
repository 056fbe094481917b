#include "report/PreparedReport.h"

namespace vd::report {

std::string PreparedPage::Text() const {
    std::string text;
    for (const PageItem& item : items) {
        for (const TextLine& line : item.lines) {
            text += line.text.toStdString();
            text += '\n';
        }
    }
    return text;
}

std::vector<const PageItem*> PreparedPage::ItemsOf(std::string_view objectName) const {
    std::vector<const PageItem*> found;
    for (const PageItem& item : items) {
        if (item.objectName == objectName) found.push_back(&item);
    }
    return found;
}

}  // namespace vd::report
