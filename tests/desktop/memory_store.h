// An association store in memory that records every call, for testing the association rules.
#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <utility>

#include "desktop/association_store.h"

namespace ninefold::testing {

class MemoryStore : public AssociationStore {
  public:
    void SetRegString(RegRoot, const QString& key, const QString& name,
                      const QString& data) override {
        values[{key, name}] = data;
        calls << "set " + key;
    }
    void DeleteRegValue(RegRoot, const QString& key, const QString& name) override {
        values.erase({key, name});
        calls << "delete " + key;
    }
    QString GetRegString(RegRoot, const QString& key, const QString& name) override {
        const auto found = values.find({key, name});
        return found == values.end() ? QString() : found->second;
    }
    void NotifyShell() override { calls << QStringLiteral("notify"); }

    std::map<std::pair<QString, QString>, QString> values;
    QStringList calls;  // writes, deletes and notifications in order; reads are not listed
};

}  // namespace ninefold::testing
