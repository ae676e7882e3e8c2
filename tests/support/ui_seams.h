#pragma once
// Replaces the application's seams for one test: message boxes are recorded and answered from
// a script, sleeping and ending the process are recorded instead of done. The previous seams
// come back when the object goes out of scope.
#include "ui/application.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace aw::test {

struct ShownMessage {
    std::string Text;
    std::string Caption;
    unsigned Style;
};

class RecordingSeams {
public:
    RecordingSeams() : saved_(ui::Application::Instance().GetSeams())
    {
        ui::Seams& seams = ui::Application::Instance().GetSeams();
        seams.MessageBox = [this](const std::string& text, const std::string& caption, unsigned style) {
            Messages.push_back({text, caption, style});
            if (OnMessage)
                OnMessage(Messages.back());
            if (Answers.empty())
                return 1; // IDOK
            int answer = Answers.front();
            Answers.pop_front();
            return answer;
        };
        seams.ErrorBox = [this](const std::string& text) { Errors.push_back(text); };
        seams.ExitProcess = [this](unsigned code) { ExitCodes.push_back(code); };
        seams.Sleep = [this](unsigned ms) {
            Sleeps.push_back(ms);
            if (OnSleep)
                OnSleep(ms);
        };
    }
    ~RecordingSeams() { ui::Application::Instance().GetSeams() = saved_; }
    RecordingSeams(const RecordingSeams&) = delete;
    RecordingSeams& operator=(const RecordingSeams&) = delete;

    std::vector<ShownMessage> Messages;
    std::deque<int> Answers;
    std::vector<std::string> Errors;
    std::vector<unsigned> ExitCodes;
    std::vector<unsigned> Sleeps;
    std::function<void(const ShownMessage&)> OnMessage;
    std::function<void(unsigned)> OnSleep;

private:
    ui::Seams saved_;
};

} // namespace aw::test
