// SPDX-FileCopyrightText: 2026 Tolvera developers
// SPDX-License-Identifier: MIT

#pragma once

#include "analyser/analyser.h"

#include <QGroupBox>

#include <optional>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace ui {

class AnalyserLink;
class Announcer;
class Document;
class MessageBoxes;

// "分析仪": the builder's NanoVNA swept live into the document, the
// sweep kept in the trim log as the next cut, the log saved and opened.
// The device is read on a thread of its own; a fault is one message
// naming the port, and no kept sweep is lost.
class AnalyserPanel : public QGroupBox
{
    Q_OBJECT
public:
    AnalyserPanel(Document *document, MessageBoxes &messages, Announcer *announcer, QWidget *parent = nullptr);
    ~AnalyserPanel() override;

    // Connects the analyser at this port ("auto": the first that answers).
    void connectTo(const QString &port);
    // One sweep around the results' frequency, or again and again.
    void sweepOnce();
    void setContinuous(bool on);
    // Keeps the live sweep as the next cut, with what was cut since the one
    // before and a note (asked for, the advice offered, when not given).
    void keep(std::optional<double> cutA = {}, std::optional<double> cutB = {}, const QString &note = {});
    bool saveLog(const QString &folder);
    bool openLog(const QString &folder);
    // Lets the device go, as closing the window does.
    void stop();

    const std::optional<analyser::Device> &device() const { return connected; }
    bool isSweeping() const;

private:
    void chooseDevice();
    void arrived(const antenna::OnePort &sweep);
    void failed(const analyser::Fault &fault);
    void showLog();
    void enableWhatApplies();

    Document *document;
    MessageBoxes &messages;
    Announcer *announcer;
    AnalyserLink *link;
    std::optional<analyser::Device> connected;
    bool continuous = false;
    bool announceNext = false; // a sweep is announced once, not at every continuous update

    QLabel *status = nullptr;
    QDoubleSpinBox *span = nullptr;
    QSpinBox *points = nullptr;
    QPushButton *sweepButton = nullptr, *continuousButton = nullptr, *keepButton = nullptr, *saveButton = nullptr;
    QVBoxLayout *logLines = nullptr;
    QLabel *measuredTrim = nullptr;
};

} // namespace ui
