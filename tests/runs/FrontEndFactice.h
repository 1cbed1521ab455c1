#pragma once
// A scripted front end: prompts answered from a list, confirmations from a flag, everything recorded.

#include "runs/FrontEnd.h"

#include <deque>
#include <string>
#include <vector>

namespace vasterel {

struct FrontEndFactice : FrontEnd {
    std::deque<std::string> reponses;
    bool confirme = false;

    std::vector<std::string> prompts, messages, confirmations, zone;
    std::vector<int> sortesDeRapport;
    std::vector<long> progression;
    long rapportsEffaces = 0;

    std::string Prompt(const std::string &caption, const std::string &question,
                       const std::string &defaut) override {
        prompts.push_back(caption + " | " + question + " | " + defaut);
        if (reponses.empty()) return defaut;
        std::string r = reponses.front();
        reponses.pop_front();
        return r;
    }
    void Message(const std::string &text) override { messages.push_back(text); }
    bool Confirm(const std::string &, const std::string &text) override {
        confirmations.push_back(text);
        return confirme;
    }
    void ShowReportArea(int kind) override {
        sortesDeRapport.push_back(kind);
        zone.clear();
    }
    void ClearReport() override {
        ++rapportsEffaces;
        zone.clear();
    }
    void AppendLine(const std::string &line) override { zone.push_back(line); }
    void ScrollReportToTop() override {}
    void Repaint() override {}
    void Progress(long done, long) override { progression.push_back(done); }
};

} // namespace vasterel
