#pragma once

#include "print/Canvas.h"

#include <QStringList>
#include <vector>

// A canvas that keeps what was drawn, for tests of page routines.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { Text, Fill, Frame, Line, Image };
    struct Op {
        Kind kind;
        QRect box;
        QString text;
        PrintFont font;
        QColor colour;
        int alignment = 0;
    };

    void SetFont(const PrintFont& font) override { m_font = font; }
    void DrawText(const QRect& box, int alignment, const QString& text) override {
        ops.push_back({Kind::Text, box, text, m_font, QColor(), alignment});
    }
    void FillRect(const QRect& box, const QColor& colour) override {
        ops.push_back({Kind::Fill, box, QString(), m_font, colour, 0});
    }
    void DrawRect(const QRect& box) override {
        ops.push_back({Kind::Frame, box, QString(), m_font, QColor(), 0});
    }
    void DrawLine(const QPoint& from, const QPoint& to) override {
        ops.push_back({Kind::Line, QRect(from, to), QString(), m_font, QColor(), 0});
    }
    void DrawImage(const QRect& box, const QImage&) override {
        ops.push_back({Kind::Image, box, QString(), m_font, QColor(), 0});
    }
    // Each character is as wide as half the font height.
    int TextWidth(const QString& text) override { return static_cast<int>(text.size()) * m_font.height / 2; }

    QStringList Texts() const {
        QStringList texts;
        for (const Op& op : ops)
            if (op.kind == Kind::Text)
                texts << op.text;
        return texts;
    }
    std::vector<Op> OfKind(Kind kind) const {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind)
                out.push_back(op);
        return out;
    }
    const Op* FindText(const QString& text) const {
        for (const Op& op : ops)
            if (op.kind == Kind::Text && op.text == text)
                return &op;
        return nullptr;
    }

    std::vector<Op> ops;

private:
    PrintFont m_font;
};
