// The host functions that the plug-in binds by name, in table order.
//
// This one list generates the host function table, its binding, its names and the stand-in
// host's stubs. Each entry is either
//   CALLED(name, signature)  an entry the plug-in calls, with the host's signature, or
//   UNUSED(name)             an entry that is bound but never called (stored untyped).
// The position of an entry in this list is its position in the table.
#pragma once

// clang-format off
#define FOLWYN_HOST_FUNCTIONS(CALLED, UNUSED) \
  CALLED(nzGetVersionOfTarnwickNZ, int(int*, int*, int*)) /* 0 */ \
  UNUSED(nzGetTarnwickNZPath) /* 1 */ \
  UNUSED(nzGetPluginsPath) /* 2 */ \
  UNUSED(nzShowLogPane) /* 3 */ \
  CALLED(nzShowLogTab, int()) /* 4 */ \
  CALLED(nzLogText, int(const char*)) /* 5 */ \
  CALLED(nzMessageBox, int(const char*)) /* 6 */ \
  CALLED(nzYesNoMessageBox, int(const char*)) /* 7 */ \
  UNUSED(nzGetIntegerInput) /* 8 */ \
  CALLED(nzGetFloatInput, float(const char*, float, float, float)) /* 9 */ \
  UNUSED(nzGetTextInput) /* 10 */ \
  CALLED(nzGetOpenFileName, int(const char*, const char*, const char*, char*)) /* 11 */ \
  UNUSED(nzGetSaveFileName) /* 12 */ \
  UNUSED(nzPlotPoints) /* 13 */ \
  UNUSED(nzAddPointsToPlot) /* 14 */ \
  UNUSED(nzPlotLine) /* 15 */ \
  UNUSED(nzAddLineToPlot) /* 16 */ \
  UNUSED(nzPlotBars) /* 17 */ \
  UNUSED(nzAddBarsToPlot) /* 18 */ \
  UNUSED(nzShowPlotAtPosition) /* 19 */ \
  UNUSED(nzResizePlot) /* 20 */ \
  UNUSED(nzSetBarPlotXAxisCategories) /* 21 */ \
  UNUSED(nzSetPlotXAxisRange) /* 22 */ \
  UNUSED(nzSetPlotYAxisRange) /* 23 */ \
  UNUSED(nzSetPlotTitle) /* 24 */ \
  UNUSED(nzSetPlotMarkerSizeAndColor) /* 25 */ \
  UNUSED(nzSetPlotLineSizeAndColor) /* 26 */ \
  UNUSED(nzSetPlotBarColors) /* 27 */ \
  UNUSED(nzSetPlotFontSizes) /* 28 */ \
  UNUSED(nzShowPlotLegend) /* 29 */ \
  UNUSED(nzSetPlotColorTheme) /* 30 */ \
  UNUSED(nzUpdateActiveWindow) /* 31 */ \
  UNUSED(nzShowBusyCursor) /* 32 */ \
  UNUSED(nzStopBusyCursor) /* 33 */ \
  UNUSED(nzGetNumberOfDocsInWorkspace) /* 34 */ \
  UNUSED(nzGetDocumentType) /* 35 */ \
  UNUSED(nzGetDocumentTypeName) /* 36 */ \
  UNUSED(nzGetIDOfCurrentDocument) /* 37 */ \
  UNUSED(nzSetAsCurrentDocument) /* 38 */ \
  UNUSED(nzCalculateIAMatrix) /* 39 */ \
  UNUSED(nzGetTRFParametersFromVolumeToolsDlg) /* 40 */ \
  UNUSED(nzGetHeaderOfCurrentFMR) /* 41 */ \
  UNUSED(nzSetHeaderOfCurrentFMR) /* 42 */ \
  UNUSED(nzGetSTCFloatDataOfCurrentFMR) /* 43 */ \
  UNUSED(nzGetSTCIntDataOfCurrentFMR) /* 44 */ \
  UNUSED(nzGetSTCDataOfCurrentFMR) /* 45 */ \
  UNUSED(nzSaveFMR) /* 46 */ \
  UNUSED(nzSaveFMRAndSTC) /* 47 */ \
  UNUSED(nzGetScannerPositionHeaderOfCurrentFMR) /* 48 */ \
  UNUSED(nzSetScannerPositionHeaderOfCurrentFMR) /* 49 */ \
  UNUSED(nzGetHeaderOfCurrentDMR) /* 50 */ \
  UNUSED(nzSetHeaderOfCurrentDMR) /* 51 */ \
  UNUSED(nzGetDWIFloatDataOfCurrentDMR) /* 52 */ \
  UNUSED(nzGetDWIIntDataOfCurrentDMR) /* 53 */ \
  UNUSED(nzGetDWIDataOfCurrentDMR) /* 54 */ \
  UNUSED(nzConvertDWIFormatOfCurrentDMR) /* 55 */ \
  UNUSED(nzSaveDMR) /* 56 */ \
  UNUSED(nzSaveDMRAndDWI) /* 57 */ \
  UNUSED(nzGetMAPOfCurrentFMR) /* 58 */ \
  UNUSED(nzSetMAPParametersOfCurrentFMR) /* 59 */ \
  UNUSED(nzDeleteMAPsOfCurrentFMR) /* 60 */ \
  UNUSED(nzLoadMAPsToCurrentFMR) /* 61 */ \
  UNUSED(nzSaveMAPsOfCurrentFMR) /* 62 */ \
  UNUSED(nzCreateMAPForCurrentFMR) /* 63 */ \
  CALLED(nzGetCurrentVMR, void*(int*, int*, int*)) /* 64 */ \
  UNUSED(nzGetMainHeaderOfCurrentVMR) /* 65 */ \
  UNUSED(nzSetMainHeaderOfCurrentVMR) /* 66 */ \
  UNUSED(nzGetScannerPositionHeaderOfCurrentVMR) /* 67 */ \
  UNUSED(nzSetScannerPositionHeaderOfCurrentVMR) /* 68 */ \
  UNUSED(nzGetPastTransformationsHeaderOfCurrentVMR) /* 69 */ \
  UNUSED(nzSetPastTransformationsHeaderOfCurrentVMR) /* 70 */ \
  UNUSED(nzReframeCurrentVMR) /* 71 */ \
  UNUSED(nzGetCrossPositionOfCurrentVMR) /* 72 */ \
  UNUSED(nzGetV16OfCurrentVMR) /* 73 */ \
  UNUSED(nzDetachV16FromCurrentVMR) /* 74 */ \
  UNUSED(nzLoadV16ToCurrentVMR) /* 75 */ \
  UNUSED(nzSaveV16OfCurrentVMR) /* 76 */ \
  UNUSED(nzConvertV16ToVMR) /* 77 */ \
  UNUSED(nzGetNRVMPsOfCurrentVMR) /* 78 */ \
  UNUSED(nzGetNRVMPOfCurrentVMR) /* 79 */ \
  UNUSED(nzSetNRVMPParametersOfCurrentVMR) /* 80 */ \
  UNUSED(nzLoadNRVMPsToCurrentVMR) /* 81 */ \
  UNUSED(nzAddNRVMPsToCurrentVMR) /* 82 */ \
  UNUSED(nzSaveNRVMPsOfCurrentVMR) /* 83 */ \
  UNUSED(nzCreateNRVMPsForCurrentVMR) /* 84 */ \
  UNUSED(nzDeleteNRVMPsOfCurrentVMR) /* 85 */ \
  UNUSED(nzDeleteNRVMPMap) /* 86 */ \
  UNUSED(nzSetNRVMPsParamsDisplayRange) /* 87 */ \
  UNUSED(nzGetARVMPsOfCurrentVMR) /* 88 */ \
  UNUSED(nzGetARVMPOfCurrentVMR) /* 89 */ \
  UNUSED(nzSetARVMPParametersOfCurrentVMR) /* 90 */ \
  UNUSED(nzLoadARVMPsToCurrentVMR) /* 91 */ \
  UNUSED(nzSaveARVMPsOfCurrentVMR) /* 92 */ \
  UNUSED(nzCreateARVMPsForCurrentVMR) /* 93 */ \
  UNUSED(nzDeleteARVMPsOfCurrentVMR) /* 94 */ \
  CALLED(nzLinkVTCToCurrentVMR, int(const char*, int)) /* 95 */ \
  UNUSED(nzCreateVTCForCurrentVMR) /* 96 */ \
  CALLED(nzGetHeaderOfVTCOfCurrentVMR, int(void*)) /* 97 */ \
  CALLED(nzSetHeaderOfVTCOfCurrentVMR, int(void*)) /* 98 */ \
  UNUSED(nzSetVTCParametersOfCurrentVMR) /* 99 */ \
  UNUSED(nzGetVTCFloatDataOfCurrentVMR) /* 100 */ \
  UNUSED(nzGetVTCIntDataOfCurrentVMR) /* 101 */ \
  UNUSED(nzGetVTCOfCurrentVMR) /* 102 */ \
  CALLED(nzSaveVTCOfCurrentVMR, int(const char*)) /* 103 */ \
  UNUSED(nzClearMultiVTCAnalysis) /* 104 */ \
  UNUSED(nzAddVTCRefForMultiVTCAnalysis) /* 105 */ \
  UNUSED(nzGetVoxelTimeCourseOfVTC) /* 106 */ \
  UNUSED(nzGetVoxelTimeCourseOfVTCs) /* 107 */ \
  UNUSED(nzGetVoxelCoordsTimeCourseOfVTC) /* 108 */ \
  UNUSED(nzGetVoxelCoordsTimeCourseOfVTCs) /* 109 */ \
  UNUSED(nzGetGLMOfCurrentVMR) /* 110 */ \
  UNUSED(nzLoadMaskToCurrentVMR) /* 111 */ \
  UNUSED(nzGetMaskOfCurrentVMR) /* 112 */ \
  UNUSED(nzGetScene) /* 113 */ \
  UNUSED(nzLoadSRF) /* 114 */ \
  UNUSED(nzAddSRF) /* 115 */ \
  UNUSED(nzRemoveCurrentSRF) /* 116 */ \
  UNUSED(nzGetCurrentSRF) /* 117 */ \
  UNUSED(nzReleaseSRFAccess) /* 118 */ \
  UNUSED(nzSaveCurrentSRF) /* 119 */ \
  UNUSED(nzSetCurrentSRF) /* 120 */ \
  UNUSED(nzGetSMPsOfCurrentSRF) /* 121 */ \
  UNUSED(nzGetSMPOfCurrentSRF) /* 122 */ \
  UNUSED(nzSetSMPParametersOfCurrentSRF) /* 123 */ \
  UNUSED(nzLoadSMPsToCurrentSRF) /* 124 */ \
  UNUSED(nzSaveSMPsOfCurrentSRF) /* 125 */ \
  UNUSED(nzCreateSMPForCurrentSRF) /* 126 */ \
  UNUSED(nzDeleteSMPsOfCurrentSRF) /* 127 */ \
  UNUSED(nzOverlaySMPsOnSRF) /* 128 */ \
  UNUSED(nzLinkMTCToCurrentSRF) /* 129 */ \
  UNUSED(nzCreateMTCForCurrentSRF) /* 130 */ \
  UNUSED(nzGetMTCOfCurrentSRF) /* 131 */ \
  UNUSED(nzSetMTCParametersOfCurrentSRF) /* 132 */ \
  UNUSED(nzSaveMTCOfCurrentSRF) /* 133 */ \
  UNUSED(nzClearMultiMTCRefsOfCurrentSRF) /* 134 */ \
  UNUSED(nzAddMultiMTCRefToCurrentSRF) /* 135 */ \
  UNUSED(nzGetVertexTimeCourseOfMTC) /* 136 */ \
  UNUSED(nzGetVertexTimeCourseOfAllMTCs) /* 137 */ \
  UNUSED(nzGetSSMOfCurrentSRF) /* 138 */ \
  UNUSED(nzLoadSSMToCurrentSRF) /* 139 */ \
  UNUSED(nzSaveSSMOfCurrentSRF) /* 140 */ \
  UNUSED(nzCreateSSMForCurrentSRF) /* 141 */ \
  UNUSED(nzDeleteSSMOfCurrentSRF) /* 142 */ \
  CALLED(nzClearProtocol, int()) /* 143 */ \
  UNUSED(nzLoadProtocol) /* 144 */ \
  UNUSED(nzSaveProtocol) /* 145 */ \
  CALLED(nzGetProtocol, int(void*)) /* 146 */ \
  UNUSED(nzSetProtocol) /* 147 */ \
  CALLED(nzGetProtocolCondition, int(int, void*)) /* 148 */ \
  UNUSED(nzAddProtocolCondition) /* 149 */ \
  UNUSED(nzAddProtocolConditionInterval) /* 150 */ \
  CALLED(nzClearDesignMatrix, int()) /* 151 */ \
  CALLED(nzAddPredictor, int(const char*)) /* 152 */ \
  UNUSED(nzSetPredictorValuesFromCondition) /* 153 */ \
  CALLED(nzSetPredictorValuesFromConditionName, int(const char*, const char*, float)) /* 154 */ \
  UNUSED(nzApplyTwoGammaHRFToPredictor) /* 155 */ \
  CALLED(nzApplyTwoGammaHRFToPredictorWithName, int(const char*)) /* 156 */ \
  UNUSED(nzApplyBoyntonHRFToPredictor) /* 157 */ \
  CALLED(nzApplyBoyntonHRFToPredictorWithName, int(const char*)) /* 158 */ \
  CALLED(nzGetPredictor, float*(int)) /* 159 */ \
  UNUSED(nzGetPredictorByName) /* 160 */ \
  UNUSED(nzLoadSingleStudyGLMDesignMatrix) /* 161 */ \
  CALLED(nzSaveSingleStudyGLMDesignMatrix, int(const char*)) /* 162 */ \
  UNUSED(nzLoadVOIs) /* 163 */ \
  UNUSED(nzSaveVOIs) /* 164 */ \
  UNUSED(nzGetVOIs) /* 165 */ \
  UNUSED(nzGetVOI) /* 166 */ \
  UNUSED(nzLoadPOIs) /* 167 */ \
  UNUSED(nzSavePOIs) /* 168 */ \
  UNUSED(nzGetPOIs) /* 169 */ \
  UNUSED(nzGetPOI) /* 170 */ \
  UNUSED(nzGetStringParameter) /* 171 */ \
  UNUSED(nzGetIntParameter) /* 172 */ \
  UNUSED(nzGetFloatParameter) /* 173 */ \
  UNUSED(nzSetStringParameter) /* 174 */ \
  UNUSED(nzSetIntParameter) /* 175 */ \
  UNUSED(nzSetFloatParameter) /* 176 */ \
  UNUSED(nzGetDlgStringParameter) /* 177 */ \
  UNUSED(nzGetDlgIntegerParameter) /* 178 */ \
  UNUSED(nzGetDlgFloatParameter) /* 179 */ \
  UNUSED(nzSetDlgStringOutputParameter) /* 180 */ \
  UNUSED(nzSetDlgIntegerOutputParameter) /* 181 */ \
  UNUSED(nzSetDlgFloatOutputParameter) /* 182 */ \
  UNUSED(nzLaunchICADialog) /* 183 */ \
// clang-format on
