#include "DocumentGenerator.h"

#include "support/Text.h"

namespace vd::bench {

GeneratedDocument MakeDocument(std::int64_t id, DayNumber today) {
    static const char* const kDeclarants[] = {"ООО \"Лесопромышленная компания Север\"", "АО \"Химволокно\"",
                                              "ИП Ведров Ким Алексеевич", "ЗАО \"Металлоконструкция\""};
    static const char* const kGoods[] = {"Пиломатериалы хвойных пород обрезные, сосна, ГОСТ 8486-86",
                                         "Плиты древесностружечные ламинированные", "Бумага газетная в рулонах",
                                         "Трубы стальные электросварные прямошовные"};
    GeneratedDocument doc;
    MasterRecord& m = doc.master;
    m.id = id;
    m.status = id % 5 == 0 ? 6 : 7;
    m.paperNo = 1000000 + id;
    m.numNum = static_cast<int>(id % 1000000);
    m.gNum = 6;
    m.referenceNo = "6007" + ExactDigits(m.numNum, 6);
    m.dateIssued = today - static_cast<DayNumber>(id % 3000);
    m.expert = id % 3 == 0 ? "Ведров Ким Алексеевич" : "Aдминистратор";
    m.declarant = kDeclarants[id % 4];
    m.address = "Российская Федерация, 160000, г. Вологда, ул. Мира, д. " + std::to_string(id % 200);
    m.supportInfo = "Контракт № " + std::to_string(id) + " от 01.02.2026";
    m.declaratorFio = "Петров Пётр Петрович";
    m.declarationDate = m.dateIssued;
    m.tppName = "Торгово-промышленная палата Вологодской области";
    m.fio10 = "Иванов Иван Иванович";
    m.date10 = m.dateIssued;
    m.modifiedDate = m.dateIssued;
    m.modifierExpert = m.expert;
    m.lastDate = m.dateIssued;
    for (int line = 0; line < 3; ++line) {
        doc.goods.push_back(GoodsLine{std::to_string(line + 1), kGoods[(id + line) % 4],
                                      std::to_string(10 + line) + " мест", "ящик деревянный",
                                      std::to_string(1000 * (line + 1)) + " кг",
                                      "Инвойс № " + std::to_string(id) + "/" + std::to_string(line)});
    }
    doc.expertise.push_back(ExpertiseRef{m.dateIssued, "Э-" + std::to_string(id)});
    return doc;
}

}  // namespace vd::bench
