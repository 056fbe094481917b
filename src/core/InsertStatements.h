#pragma once

#include <cstdint>
#include <string_view>

#include "core/Database.h"
#include "core/MasterRecord.h"

namespace vd {

namespace sql {
inline constexpr std::string_view kInsertMaster =
    "INSERT INTO mcod (id,status,PaperNo,ReferenceNo,GNum,NumNum,DateIssued,Expert,declarant,address,"
    "supportInfo,declaratorFio,declarationDate,TppName,Fio10,Date10,modifiedDate,modifierExpert,comment,"
    "pFilter,goDuplicate,goInstead,goCancel,goTrue,LastDate,fSize1,fSize2,fSize3,fSize4,fSize5,fSize6,"
    "fSize7,fSize8,fSize9,fSize10) VALUES (:id,:status,:PaperNo,:ReferenceNo,:GNum,:NumNum,:DateIssued,"
    ":Expert,:declarant,:address,:supportInfo,:declaratorFio,:declarationDate,:TppName,:Fio10,:Date10,"
    ":modifiedDate,:modifierExpert,:comment,\"TRUE\",:goDuplicate,:goInstead,:goCancel,:goTrue, :LastDate, "
    ":fSize1, :fSize2, :fSize3, :fSize4, :fSize5, :fSize6, :fSize7, :fSize8, :fSize9, :fSize10)";
inline constexpr std::string_view kInsertGoods =
    "INSERT INTO dcod (idM,num,descriptionGoods,count6Goods,package6Goods,countGoods,documents) VALUES "
    "(:idM,:num,:descriptionGoods,:count6Goods,:package6Goods,:countGoods,:documents);";
inline constexpr std::string_view kInsertExpertise =
    "INSERT INTO expertise (idM,de,nume) VALUES (:idM,:de,:nume);";
}  // namespace sql

// The three prepared inserts of a document: the master row, its goods lines and its expertise
// references, each bound with the column types the stored files rely on.
class InsertStatements {
public:
    explicit InsertStatements(Database& db);

    void InsertMaster(const MasterRecord& record);
    void InsertGoods(std::int64_t idM, const GoodsLine& line);
    void InsertExpertise(std::int64_t idM, const ExpertiseRef& ref);

    int MasterParameterCount() const { return master_.ParameterCount(); }
    int GoodsParameterCount() const { return goods_.ParameterCount(); }
    int ExpertiseParameterCount() const { return expertise_.ParameterCount(); }

private:
    Statement master_;
    Statement goods_;
    Statement expertise_;
};

}  // namespace vd
