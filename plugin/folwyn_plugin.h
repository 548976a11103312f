// The plug-in's face toward its host: the exported C functions and the plug-in classes.
//
// A host loads the library, asks it for its name, version and description, creates the plug-in
// object with createPlugin, calls initPlugin once and execute for every run, and destroys the
// object through its virtual destructor. Every text result is static, NUL-terminated narrow
// text that stays valid while the library is loaded; the caller never frees it.
#pragma once

#if defined(_WIN32)
#if defined(FOLWYN_BUILDING_PLUGIN)
#define FOLWYN_API __declspec(dllexport)
#else
#define FOLWYN_API __declspec(dllimport)
#endif
#else
#define FOLWYN_API __attribute__((visibility("default")))
#endif

// The abstract plug-in class a host programs against. Virtual slots, in order: the destructor,
// execute, initPlugin. It holds no data.
class FOLWYN_API TWNZPluginInterface {
 public:
  TWNZPluginInterface();
  TWNZPluginInterface(const TWNZPluginInterface& other);
  // Copies nothing and returns this object.
  TWNZPluginInterface& operator=(const TWNZPluginInterface& other);
  virtual ~TWNZPluginInterface();

  // One run of the plug-in; returns only when the run is done.
  virtual bool execute() = 0;
  // Binds the host and checks its version; true when the plug-in can run.
  virtual bool initPlugin() = 0;
};

// The batch converter from stimulation protocols to design matrices. Stateless: what a run needs
// lives in the run, and the host function table is one table for the whole library.
class FOLWYN_API Folwyn : public TWNZPluginInterface {
 public:
  Folwyn();
  ~Folwyn() override;

  // One batch conversion. False only when the host has no current anatomical document (or
  // lacks a function the run needs); true in every other case, cancelled runs included.
  bool execute() override;
  // Binds the host functions by name and refuses hosts older than 2.8 (with a message box).
  // False when the host module or its version function is missing, or the host is too old.
  bool initPlugin() override;
};

extern "C" {
// A new Folwyn; ownership passes to the caller, who destroys it through the virtual destructor.
FOLWYN_API TWNZPluginInterface* createPlugin();
// "folwyn (v0.8.4)".
FOLWYN_API const char* getPluginName();
// "0.8.4".
FOLWYN_API const char* getPluginVersion();
// One line of HTML mark-up that tells the user how to use the plug-in.
FOLWYN_API const char* getPluginDescription();
// The author line, in HTML italics.
FOLWYN_API const char* getAuthor();
// The empty text: the plug-in has no help file.
FOLWYN_API const char* getHelpFile();
// The same empty text as getHelpFile: the plug-in has no GUI script.
FOLWYN_API const char* getGUIScript();
}

// The function types of the exported C functions, for hosts that resolve them by name.
using CreatePluginFunction = TWNZPluginInterface* (*)();
using PluginTextFunction = const char* (*)();
