// An in-process host for unit tests of the run: every function the plug-in calls is installed
// into the host function table, records its call and answers from the fields below. The table
// is restored when the object goes.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "batch/vtc_header.h"
#include "design/protocol_records.h"
#include "plugin/host_api.h"

struct ScriptedCondition {
  ScriptedCondition(std::string name_, std::vector<int> starts_ = {}, std::vector<int> ends_ = {},
                    int color_ = 0, bool given_ = true)
      : name(std::move(name_)),
        starts(std::move(starts_)),
        ends(std::move(ends_)),
        color(color_),
        given(given_) {}

  std::string name;
  std::vector<int> starts;
  std::vector<int> ends;
  int color = 0;
  bool given = true;  // false: nzGetProtocolCondition returns 0 for it
};

class ScriptedHost {
 public:
  ScriptedHost();
  ~ScriptedHost();
  ScriptedHost(const ScriptedHost&) = delete;
  ScriptedHost& operator=(const ScriptedHost&) = delete;

  static ScriptedHost& current();

  // Answers.
  bool haveVmr = true;
  std::vector<int> yesNoAnswers;  // taken in order; 0 when they run out
  float floatAnswer = 1.0f;
  std::string fileAnswer;                  // empty: the dialog is cancelled
  std::map<std::string, int> linkResults;  // by VTC path; missing: 1
  int headerResult = 1;
  int numberOfVolumes = 10;
  bool haveProtocol = true;
  ProtocolInfo protocol{};
  std::vector<ScriptedCondition> conditions;
  bool predictorAvailable = true;
  int saveResult = 1;

  // What happened.
  std::vector<std::string> calls;  // "nzAddPredictor(Face)", one entry a call
  std::vector<std::string> log;
  std::vector<std::string> messages;
  std::vector<std::string> savedNames;
  std::vector<std::string> headerProtocolNames;  // protocolFileName of each header handed back
  std::vector<std::vector<float>> predictors;    // the host's predictor values, by number
  std::vector<std::string> predictorNames;

  // Sets the protocol's file name and the other fields of the record to plain values.
  void setProtocol(const std::string& fileName, int timeResolution = 1);
  // The calls whose function name is name, in order.
  std::vector<std::string> callsOf(const std::string& name) const;

 private:
  HostApi saved_;
};
