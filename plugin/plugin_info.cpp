// The exported functions that name, describe and create the plug-in.
#include "plugin/folwyn_plugin.h"

namespace {

const char kEmptyText[] = "";

}  // namespace

extern "C" {

TWNZPluginInterface* createPlugin() {
  return new Folwyn();
}

const char* getPluginName() {
  return "folwyn (v0.8.4)";
}

const char* getPluginVersion() {
  return "0.8.4";
}

const char* getPluginDescription() {
  return "This tool convert from stimulation protocols (*.prt) to design matrices (*.sdm)<P>"
         "<I>Use of the tool</I><BR>Before starting the conversion, load a *.vmr.<BR>"
         "The protocol file names (*.prt), functional data names (*.vtc) and motion estimate "
         "names (*_3DMC.sdm) are retrieved from a text file.<BR><I>Notes</I><BR>"
         "- Please ensure that the *.vmr or *.vtc file are in the same directory as the *.prt "
         "files, otherwise the protocol cannot be automatically linked to the *.vtc.<BR>"
         "- The *.sdm files are saved in the same directory as the *.vtc file.<BR>"
         "- The number of time points in the design matrix file will depend from the *.vtc "
         "file.<BR><I>New in v0.7:</I> z-Transform motion estimates.<BR>"
         "<I>New in v0.8:</I> add other external confounds (in *.sdm file).<BR>"
         "<I>Added v0.8.2:</I> Filename now also contains VTC name.<BR>"
         "<I>0.8.3:</I> Change of resulting file names ((_z) for each confound), automated "
         "recognition of confound names.<BR><I>0.8.4:</I> Bugfix of skipping first protocol "
         "name.<BR>";
}

const char* getAuthor() {
  return "<i>folwyn developers</i>";
}

const char* getHelpFile() {
  return kEmptyText;
}

const char* getGUIScript() {
  return kEmptyText;
}

}  // extern "C"
