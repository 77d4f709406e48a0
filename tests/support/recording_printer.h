#pragma once

#include "output/printer.h"

#include <memory>
#include <vector>

namespace support {

// A printer measured in HiMetric whose printable area swaps sides when turned. What it was
// asked to do is kept in a record that outlives it.
class RecordingPrinter : public output::Printer {
public:
    struct Paint {
        float x, y;
        double width, height;
    };
    struct Record {
        double portraitWidth = 19000;
        double portraitHeight = 27000;
        bool refuse = false; // the page is refused when the document ends
        int orientation = output::Portrait;
        std::vector<Paint> paints;
        int endDocs = 0;
    };

    explicit RecordingPrinter(std::shared_ptr<Record> record = std::make_shared<Record>())
        : record(std::move(record)) {}

    std::shared_ptr<Record> record;

    void setOrientation(int o) override { record->orientation = o; }
    double ScaleWidth() const override {
        return record->orientation == output::Portrait ? record->portraitWidth
                                                       : record->portraitHeight;
    }
    double ScaleHeight() const override {
        return record->orientation == output::Portrait ? record->portraitHeight
                                                       : record->portraitWidth;
    }
    int ScaleMode() const override { return output::HiMetric; }
    float ScaleX(float value, int, int) const override { return value; }
    float ScaleY(float value, int, int) const override { return value; }
    void PaintPicture(const Picture&, float x, float y, double w, double h) override {
        record->paints.push_back({x, y, w, h});
    }
    bool EndDoc() override {
        ++record->endDocs;
        return !record->refuse;
    }
    QString name() const override { return QStringLiteral("recorder"); }
    QString errorString() const override {
        return record->refuse ? QStringLiteral("out of paper") : QString();
    }
};

} // namespace support
