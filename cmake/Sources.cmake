# The library's sources, by layer. The core holds everything that needs no
# window and must not link Qt Widgets; the user interface builds on it.
set(ORELLE_CORE_SOURCES
  platform/Services.cpp
  platform/clock/Clock.cpp
  platform/files/FileDevice.cpp
  platform/files/LocalFileLock.cpp
  platform/files/LocalFileSystem.cpp
  platform/files/LocalFolders.cpp
  platform/files/PartialFiles.cpp
  platform/gbk/Gbk.cpp
  platform/ini/IniDocument.cpp
  platform/jobs/JobRunner.cpp
  platform/ini/IniText.cpp
  platform/ini/Profile.cpp
  platform/ini/ProfileNumber.cpp
  platform/messages/HostMessage.cpp
  platform/messages/KeyMessageQt.cpp
  platform/registry/Registry.cpp
  platform/shell/Shell.cpp
  platform/paths/BackupDisk.cpp
  platform/paths/CardFolders.cpp
  platform/paths/Paths.cpp
  platform/imaging/EmbeddedPreview.cpp
  platform/imaging/ExifTiff.cpp
  platform/imaging/HeifDecoder.cpp
  platform/imaging/Imprint.cpp
  platform/imaging/JpegDecoder.cpp
  platform/imaging/JpegLayout.cpp
  platform/imaging/JpegWriter.cpp
  platform/imaging/PictureFile.cpp
  platform/imaging/PictureOnPaper.cpp
  platform/imaging/PictureRotation.cpp
  platform/imaging/PngDecoder.cpp
  platform/imaging/PngRows.cpp
  platform/imaging/ShotDate.cpp
  platform/imaging/ShotDateWriter.cpp
  platform/imaging/StationCopy.cpp
  platform/imaging/UprightJpeg.cpp
  platform/text/ChineseLocale.cpp
  platform/text/JsonString.cpp
  platform/text/NumberText.cpp
  platform/text/SingleLine.cpp
  orderdata/BackupJob.cpp
  orderdata/UprightCopies.cpp
  orderdata/CopyNames.cpp
  orderdata/DayIndex.cpp
  orderdata/DirList.cpp
  orderdata/FeatureFlags.cpp
  orderdata/FolderLoad.cpp
  orderdata/LocalOrderNumber.cpp
  orderdata/OrderFiles.cpp
  orderdata/OrderIniEntry.cpp
  orderdata/OrderDate.cpp
  orderdata/OrderNumberCheck.cpp
  orderdata/OrderPaths.cpp
  orderdata/PaperSettings.cpp
  orderdata/ParamConfig.cpp
  orderdata/PhotoFileKinds.cpp
  orderdata/PickerRows.cpp
  orderdata/PhotoList.cpp
  orderdata/PhotoNames.cpp
  orderdata/PhotoRecord.cpp
  orderdata/PhotoRecordFactory.cpp
  orderdata/PhotoTree.cpp
  orderdata/PhotoIniWriter.cpp
  orderdata/PrintCatalogue.cpp
  orderdata/PrintResolution.cpp
  orderdata/ProcessState.cpp
  orderdata/SettingsReport.cpp
  orderdata/StartupData.cpp
  orderdata/WebServerSettings.cpp
)
# The customer's job from its start to its end.
list(APPEND ORELLE_CORE_SOURCES job/CustomerJob.cpp)
set(ORELLE_UI_SOURCES
  skin/BitmapButton.cpp
  skin/CellBitmaps.cpp
  skin/CommandTarget.cpp
  skin/CursorFile.cpp
  skin/DialogButton.cpp
  skin/ModalRunner.cpp
  skin/NoticeParts.cpp
  skin/PitchedText.cpp
  skin/ProgressBarWnd.cpp
  skin/ShowNotice.cpp
  skin/SkinBitmaps.cpp
  skin/SkinDialog.cpp
  skin/SkinLook.cpp
  skin/StaticText.cpp
  skin/SystemTranslations.cpp
  skin/ToolBarBitmaps.cpp
  cell/CaptionLabel.cpp
  cell/CellCommands.cpp
  cell/CellHost.cpp
  cell/CellTexts.cpp
  cell/ChooserGrid.cpp
  cell/FrameGeometry.cpp
  cell/FrameLayout.cpp
  cell/ImageSurface.cpp
  cell/PaperDialog.cpp
  cell/PhotoCell.cpp
  cell/PhotoCellCommands.cpp
  cell/PicturePrefetch.cpp
  cell/PrintSizeChooser.cpp
  cell/RecordEdits.cpp
  cell/QuantityDialog.cpp
  cell/SurfaceLayer.cpp
  cell/ValuePad.cpp
  cell/ValuePadLogic.cpp
  photownd/BackupDialog.cpp
  photownd/ChineseFileModel.cpp
  photownd/CPhotoWnd.cpp
  photownd/FolderPickDialog.cpp
  photownd/Paging.cpp
  photownd/PhotoWindow.cpp
  photownd/PhotoWindowFolderLoad.cpp
  photownd/PhotoWindowOpening.cpp
  photownd/PhotoWindowPaging.cpp
  photownd/PrintCountDialog.cpp
  photownd/ToolBarWnd.cpp
  photownd/WebPages.cpp
)

# The order web server: the HTTP door, the client and its exchanges, and
# the pickup point directory.
list(APPEND ORELLE_CORE_SOURCES
  platform/http/CurlPoster.cpp
  submit/AlbumList.cpp
  submit/AlbumLogin.cpp
  submit/FormValue.cpp
  submit/ScramblePassword.cpp
  submit/ServiceNotice.cpp
  submit/BackOfficeLogin.cpp
  submit/WebClient.cpp
  submit/WebEndpoints.cpp
  submit/WebLimits.cpp
  submit/WebReply.cpp
  stores/StoreList.cpp
  stores/StoreListRefresh.cpp
)
list(APPEND ORELLE_UI_SOURCES
  submit/AlbumChoiceDialog.cpp
  submit/AlbumLoginDialog.cpp
  submit/BackOfficeLoginDialog.cpp
  submit/LoginDialog.cpp
  submit/ServiceNoticeDialog.cpp
  stores/PickupPointDialog.cpp
)

# Order texts and the receipt: the texts and the slip's layout need no
# window; the machine's printers come through Qt's printing service, which
# brings Qt Widgets, so they sit with the windows.
list(APPEND ORELLE_CORE_SOURCES
  submit/LocalOrderReceipt.cpp
  submit/OrderTexts.cpp
  submit/ReceiptLines.cpp
  submit/ReceiptPrinter.cpp
  submit/RunningPrice.cpp
  submit/SizeTotals.cpp
)
list(APPEND ORELLE_UI_SOURCES
  platform/print/QtPrinters.cpp
  submit/ReceiptNotice.cpp
)

# The order database: the steps of an order over any database, Qt's ODBC
# driver beneath them, and the route members read from it.
list(APPEND ORELLE_CORE_SOURCES
  platform/db/OdbcConnection.cpp
  platform/db/OdbcDatabase.cpp
  submit/DatabaseOrderBackEnd.cpp
  submit/MemberLoginDb.cpp
  submit/OrderDatabase.cpp
  submit/OrderRows.cpp
  stores/RouteMembers.cpp
)
list(APPEND ORELLE_UI_SOURCES
  stores/RouteMemberDialog.cpp
)

# The batch settings: rules over the photo list, and their dialogs.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/BatchApply.cpp
  orderdata/RequirementText.cpp
)
list(APPEND ORELLE_UI_SOURCES
  photownd/ApplyChoiceDialog.cpp
  photownd/CompressionDialog.cpp
  photownd/DirApplyDialog.cpp
  photownd/PhotoWindowBatch.cpp
  photownd/PhotoWindowReceipt.cpp
  photownd/RequirementDialog.cpp
)

# The order dialog: its form and its exchange with the back office need no
# window.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/ProductList.cpp
  submit/OrderExchange.cpp
  submit/OrderForm.cpp
  submit/WebOrderBackEnd.cpp
)
list(APPEND ORELLE_UI_SOURCES
  submit/OrderDialog.cpp
  photownd/PhotoWindowOrder.cpp
  photownd/UnattendedAnswers.cpp
  photownd/WindowOrderPrompts.cpp
)

# Placing an order: the upload package, the uploader hand-off and the
# order command's flow, asking through its prompts.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/UploadList.cpp
  orderdata/UploadPackage.cpp
  platform/uploader/LocalUploader.cpp
  submit/OrderPlacement.cpp
)

# The shop's set-up check: its findings need no window; the machine's
# printers and fonts come through the windows' layer.
list(APPEND ORELLE_CORE_SOURCES
  setup/BackOfficeCheck.cpp
  setup/SetupCheck.cpp
)
list(APPEND ORELLE_UI_SOURCES
  setup/MachineProbes.cpp
)

# Photos from phones: the room phone/ holds the upload page's session and
# its settings without windows, and the QR screen as its thin UI part; the
# station's web server and the QR code of its address sit in platform/.
list(APPEND ORELLE_CORE_SOURCES
  phone/PhoneConversions.cpp
  phone/PhoneFolders.cpp
  phone/PhoneLink.cpp
  phone/PhoneSession.cpp
  phone/PhoneSettings.cpp
  platform/imaging/PhotoKind.cpp
  platform/imaging/QrCode.cpp
  platform/webserver/ClientConnections.cpp
  platform/webserver/ConnectionStream.cpp
  platform/webserver/HttplibWebServer.cpp
)
list(APPEND ORELLE_UI_SOURCES
  phone/PhoneDialog.cpp
  photownd/PhotoWindowPhone.cpp
)
# Controls a finger can hit, in dialogs that no fixed layout places.
list(APPEND ORELLE_UI_SOURCES
  photownd/AddPhotosDialog.cpp
  skin/TouchSizes.cpp
)

# One back-office order per customer's order whatever fails: the back
# office's word kept per job, and the order files brought to agree at the
# start.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/OrderFilesRepair.cpp
  submit/BackOfficeRecord.cpp
  submit/JobOrderRows.cpp
)

# What the customer has not seen, is about to lose, or chose twice.
list(APPEND ORELLE_CORE_SOURCES
  job/UnseenPhotos.cpp
  job/WorkAtStake.cpp
)
list(APPEND ORELLE_UI_SOURCES
  skin/DiscardQuestion.cpp
  photownd/PhotoWindowAsk.cpp
)
# After the order: the number as a code the counter scans (QR, Code 128),
# when to come back, the receipt queue's state asked before printing, and
# the final notice's lines composed in one place.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/PickupTime.cpp
  platform/imaging/Code128.cpp
  platform/print/CupsQueue.cpp
  platform/print/PrinterQueue.cpp
  submit/FinalNotice.cpp
)
# The counter's view of a day's orders (orelle-orders).
list(APPEND ORELLE_CORE_SOURCES
  submit/DayOrders.cpp
)
# The customer's job outlives a cut and is taken up again; the photos are
# kept no longer than the settings say.
list(APPEND ORELLE_CORE_SOURCES
  job/JobJournal.cpp
  job/LeftJob.cpp
  orderdata/OrderTimes.cpp
  orderdata/PhotoIniReader.cpp
  orderdata/StationJob.cpp
  orderdata/StationName.cpp
  orderdata/UnplacedJob.cpp
  orderdata/WorkFolderSweep.cpp
)
list(APPEND ORELLE_UI_SOURCES
  photownd/PhotoWindowResume.cpp
)
# What a power cut or a killed station leaves pending: the job a station
# works on, the orders left pending and their completion.
list(APPEND ORELLE_CORE_SOURCES
  orderdata/JobLock.cpp
  submit/PendingOrders.cpp
)
list(APPEND ORELLE_UI_SOURCES
  photownd/StationToolsOrders.cpp
)
# A customer who walks away: the idle span and its end, a job never placed
# removed, and nothing of a customer's card or phone kept for the next.
list(APPEND ORELLE_CORE_SOURCES
  job/IdleWatch.cpp
  orderdata/CustomerMedia.cpp
)
list(APPEND ORELLE_UI_SOURCES
  photownd/IdleGuard.cpp
  photownd/IdleNotice.cpp
  photownd/PhotoWindowIdle.cpp
)
# Faces in the photos: the detector (OpenCV's cascade), the job's store of
# them, whether a crop cuts one and the frame that keeps them.
list(APPEND ORELLE_CORE_SOURCES
  platform/imaging/CascadeFaceDetector.cpp
  platform/jobs/IdlePriority.cpp
  orderdata/FaceCrop.cpp
  orderdata/FaceStore.cpp
)
list(APPEND ORELLE_UI_SOURCES
  cell/FaceFinder.cpp
  cell/FaceFraming.cpp
)
