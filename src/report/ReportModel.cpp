#include "report/ReportModel.h"

namespace vd::report {
namespace {

template <typename BandT, typename ObjectT>
ObjectT* FindIn(std::vector<BandT>& bands, std::string_view name) {
    for (BandT& band : bands) {
        for (ObjectT& object : band.objects) {
            if (object.name == name) return &object;
        }
        if (ObjectT* found = FindIn<BandT, ObjectT>(band.children, name)) return found;
    }
    return nullptr;
}

template <typename BandT>
BandT* FindBandIn(std::vector<BandT>& bands, std::string_view name) {
    for (BandT& band : bands) {
        if (band.name == name) return &band;
        if (BandT* found = FindBandIn(band.children, name)) return found;
    }
    return nullptr;
}

}  // namespace

ReportObject* Report::FindObject(std::string_view objectName) {
    for (Page& page : pages) {
        if (ReportObject* found = FindIn<Band, ReportObject>(page.bands, objectName)) return found;
    }
    return nullptr;
}

const ReportObject* Report::FindObject(std::string_view objectName) const {
    return const_cast<Report*>(this)->FindObject(objectName);
}

Band* Report::FindBand(std::string_view bandName) {
    for (Page& page : pages) {
        if (Band* found = FindBandIn(page.bands, bandName)) return found;
    }
    return nullptr;
}

Page* Report::FindPage(std::string_view pageName) {
    for (Page& page : pages) {
        if (page.name == pageName) return &page;
    }
    return nullptr;
}

}  // namespace vd::report
