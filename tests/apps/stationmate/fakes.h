// Stand-ins for the port and the user, scripted per test: the port answers
// each written command with the pieces the script gives, one notification per
// piece, delivered through the event loop as a real port's are.
#pragma once

#include "answers.h"
#include "prompter.h"
#include "transfer_ui.h"
#include "serial_port.h"

#include <QTimer>

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace stationmate::testing {

class ScriptedPort : public SerialPort {
public:
    // command -> notifications to deliver; a command not in the script gets no answer.
    std::function<std::vector<std::string>(const std::string&)> answer;
    std::vector<std::string> written;
    bool open = false;
    bool failOpen = false;
    int selected = 0;
    std::string appliedSettings;
    int discards = 0;

    std::shared_ptr<harwick::platform::TrafficLog> log;

    void SetLog(std::shared_ptr<harwick::platform::TrafficLog> l) override { log = std::move(l); }
    bool IsOpen() const override { return open; }
    void Close() override { open = false; }
    void SelectPort(int number) override { selected = number; }
    bool Open(std::string& error) override
    {
        if (failOpen) {
            error = "COM" + std::to_string(selected) + ": no such port";
            return false;
        }
        open = true;
        return true;
    }
    bool ApplySettings(std::string_view s) override
    {
        appliedSettings = std::string(s);
        return true;
    }
    bool Write(std::string_view bytes) override
    {
        if (!open) return false;
        written.emplace_back(bytes);
        if (!answer) return true;
        for (const std::string& piece : answer(std::string(bytes))) deliverLater(piece);
        return true;
    }
    void DiscardInput() override { ++discards; }
    void SetReceiveHandler(ReceiveHandler h) override { handler = std::move(h); }

    // A notification now, outside any exchange.
    void deliverNow(std::string_view bytes)
    {
        if (handler) handler(bytes);
    }

    ReceiveHandler handler;

private:
    void deliverLater(std::string piece)
    {
        QTimer::singleShot(0, [this, piece] {
            if (open && handler) handler(piece);
        });
    }
};

class ScriptedPrompter : public Prompter {
public:
    std::vector<std::string> messages;
    void ShowMessage(std::string_view text, std::string_view caption = {}) override
    {
        messages.emplace_back(text);
        (void)caption;
    }
};

// The transfer dialogs answered from scripted answers, taken in order, every
// question recorded. A question with no answer left fails the test (Cancel is
// scripted as std::nullopt or false), and so does an answer never asked for.
class ScriptedDialogs : public TransferDialogs {
public:
    harwick::testing::Answers<std::optional<std::string>> fileNames{"a download's file name"};
    harwick::testing::Answers<bool> okCancel{"OK or Cancel"};
    harwick::testing::Answers<std::optional<UploadAnswer>> jobs{"the job to upload into"};
    harwick::testing::Answers<std::optional<std::string>> newNames{"a new job's name"};
    std::vector<DownloadQuestion> downloads;
    std::vector<UploadQuestion> uploads;
    std::vector<std::string> questions; // text|caption

    std::optional<std::string> AskDownloadFileName(const DownloadQuestion& q) override
    {
        downloads.push_back(q);
        return fileNames.Next(q.source);
    }
    bool AskOkCancel(const std::string& text, const std::string& caption) override
    {
        questions.push_back(text + "|" + caption);
        return okCancel.Next(text);
    }
    std::optional<UploadAnswer> AskUploadJob(const UploadQuestion& q) override
    {
        uploads.push_back(q);
        return jobs.Next(q.source);
    }
    std::optional<std::string> AskNewName() override { return newNames.Next(); }
};

class RecordingProgress : public ProgressView {
public:
    std::vector<std::string> opened; // type|source|destination
    std::vector<std::string> shown;  // the block counter texts
    int closed = 0;
    void Open(const std::string& type, const std::string& source, const std::string& dest) override
    {
        opened.push_back(type + "|" + source + "|" + dest);
    }
    void Show(const std::string& block, double, double) override { shown.push_back(block); }
    void Close() override { ++closed; }
    void Counted(std::size_t blocks, std::size_t bytes) override { counted = {blocks, bytes}; }
    void Expected(std::size_t blocks, std::size_t bytes) override { expected = {blocks, bytes}; }
    std::pair<std::size_t, std::size_t> counted;  // the last blocks and bytes so far
    std::pair<std::size_t, std::size_t> expected; // what an upload announced
};

class CountingWait : public WaitIndicator {
public:
    int shown = 0;
    int hidden = 0;
    void Show() override { ++shown; }
    void Hide() override { ++hidden; }
};

// The replies of a well-behaved instrument for the listing, with its lists
// given as records.
struct ListingScript {
    std::string serialReply = "13....+00012345\r\n";
    std::string conf182 = "0182/0031\r\n";
    std::map<std::string, std::vector<std::string>> lists; // list command -> records
    std::map<std::string, std::size_t> position;

    std::vector<std::string> operator()(const std::string& command)
    {
        if (command == "a\r\n" || command == "c\r\n") return {"?\r\n"};
        if (command == "CONF/182\r\n") return {conf182};
        if (command == "CONF/136\r\n") return {"0136/0002\r\n"};
        if (command == "CONF/137\r\n") return {"0137/0001\r\n"};
        if (command == "GET//WI13\r\n") return {serialReply};
        if (command.find("/CONF/LIST") != std::string::npos) {
            current = command;
            position[command] = 0;
            return {next()};
        }
        if (command == "?\r\n") return {next()};
        return {};
    }

private:
    std::string current;
    std::string next()
    {
        std::vector<std::string>& records = lists[current];
        std::size_t& at = position[current];
        if (at < records.size()) return records[at++] + "\r\n";
        return "\x1A\r\n";
    }
};

} // namespace stationmate::testing
