#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "support/DayNumber.h"

namespace vd {

// One row of mcod as the insert statement writes it, in the statement's parameter order
// (expDate, expNumber and RefNumCC are carried columns the workstation never writes).
struct MasterRecord {
    std::int64_t id = 0;
    int status = 6;
    std::int64_t paperNo = 0;
    std::string referenceNo;
    int gNum = 0;
    int numNum = 0;
    DayNumber dateIssued = 0;
    std::string expert;
    std::string declarant;
    std::string address;
    std::string supportInfo;
    std::string declaratorFio;
    DayNumber declarationDate = 0;
    std::string tppName;
    std::string fio10;
    DayNumber date10 = 0;
    DayNumber modifiedDate = 0;
    std::string modifierExpert;
    std::string comment;
    std::string goDuplicate;
    std::string goInstead;
    std::string goCancel;
    std::string goTrue;
    DayNumber lastDate = 0;
    std::array<int, 10> fSize{10, 10, 10, 10, 10, 10, 10, 10, 10, 10};
};

// A goods line of dcod; every field is text.
struct GoodsLine {
    std::string num;
    std::string descriptionGoods;
    std::string count6Goods;
    std::string package6Goods;
    std::string countGoods;
    std::string documents;
};

// An expertise act backing the conclusion.
struct ExpertiseRef {
    DayNumber de = 0;
    std::string nume;
};

}  // namespace vd
