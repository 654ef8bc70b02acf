#pragma once

#include "app/reference_data/tuning_window.h"

#include <QList>
#include <QStringList>

// A statement window that records what the loaders do to it.
class RecordingWindow : public TuningWindow {
public:
    void applyTuningData(const recTuningDate& data) override { applied.append(data); }
    void applyRegistryDefaults(const RegistryDefaults& values) override {
        registryDefaults.append(values);
    }
    void setCaption(const QString& caption) override { captions.append(caption); }
    void clearStatement() override { ++clears; }

    QList<recTuningDate> applied;
    QList<RegistryDefaults> registryDefaults;
    QStringList captions;
    int clears = 0;
};
