#pragma once
// Shared test fixtures: a document initialised from the program's own DATA folder.

#include "document/HatDocument.h"
#include "settings/ApplySetting.h"

#include <gtest/gtest.h>

namespace orv::test {

inline QString ProgramDir()
{
    return QStringLiteral(ORVENZA_SOURCE_DIR);
}

// A fresh-start document for the given day, with settings changed key by key as a hat file would.
inline std::unique_ptr<HatDocument> FreshDocument(QDate today = QDate(2026, 12, 7),
                                                  std::initializer_list<std::pair<const char*, const char*>> sets = {})
{
    auto doc = std::make_unique<HatDocument>(ProgramDir());
    EXPECT_TRUE(doc->Initialise(today));
    for (const auto& [key, value] : sets) {
        const ApplyResult r = ApplySettingValue(doc->controls, doc->settings, doc->sites, QString::fromLatin1(key),
                                                QString::fromLatin1(value));
        EXPECT_EQ(r.kind, ApplyResult::Applied) << key;
    }
    return doc;
}

} // namespace orv::test
