// ConService: the main page's requests to the program, one function each. Requests are objects
// written with JSON.stringify by callCpp, so no value can break a request text; replies come back
// as values, or undefined when they cannot be read.
(function (qel) {
    "use strict";

    function call(method, members) {
        var request = { method: method };
        Object.keys(members || {}).forEach(function (key) {
            request[key] = members[key];
        });
        return callCpp(request);
    }

    var ConService = {
        call: call,
        getSystemConfig: function () {
            return call("GetSystemConfig");
        },
        getComponentConfig: function (game) {
            return call("GetComponentConfig", { productName: game });
        },
        getDict: function (game) {
            return call("GetDict", { productName: game });
        },
        getTableTitle: function (game, tableId, castType, tab) {
            return call("GetTableTitle", { productName: game, tableId: tableId, flag: castType || "", tab: tab || "" });
        },
        getAdvertisement: function (config) {
            return call("GetAdvertisement", { productName: config.productName, area: config.area, flag: config.flag });
        },
        getComboboxData: function (game, quickSelectName, castType) {
            return call("GetComboboxData", { productName: game, quickSelectName: quickSelectName,
                                             castType: castType || "" });
        },
        getTip: function (id) {
            return call("GetTip", { id: String(id) });
        },
        saveCalType: function (id, calType) {
            return call("SaveCalType", { id: String(id), calType: calType });
        },
        filter: function (request) {
            return callCpp(request);
        },
        getResultByPage: function (pageNum, pageSize, type) {
            return call("GetResultByPage", { pageNum: pageNum, pageSize: pageSize, type: type || "" });
        },
        searchResult: function (type) {
            return call("SearchResult", { type: type });
        },
        deleteRows: function (rowNumber, listFlag, pageSize, pageNumber) {
            return call("DeleteRows", { rowNumber: rowNumber, type: listFlag, pageSize: pageSize,
                                        pageNumber: pageNumber });
        },
        addRow: function (row) {
            return call("AddRow", { row: row });
        },
        deleteAll: function () {
            return call("DeleteAll");
        },
        saveResult: function (listFlag, lotFormat) {
            var members = { flag: listFlag };
            if (lotFormat) {
                members.lotFormat = lotFormat;
            }
            return call("SaveResult", members);
        },
        saveScenario: function (scenario) {
            return call("SaveScenario", scenario);
        },
        openScenario: function () {
            return call("OpenScenario");
        },
        openOldNum: function () {
            return call("OpenOldNum");
        },
        saveConfig: function (name, game, rows) {
            return call("SaveConfig", { name: name, productName: game, rows: rows });
        },
        getProductList: function () {
            return call("GetProductList");
        },
        toggle: function (product) {
            return call("Toggle", { productName: product.productName, flag: product.flag, area: product.area });
        },
        getPluginList: function () {
            return call("GetPluginList");
        },
        changeState: function (id, isUse) {
            return call("ChangeState", { id: Number(id), isUse: Number(isUse) });
        },
        openShell: function (address) {
            return call("OpenShell", { toolName: address });
        },
        systemEvent: function (dataType) {
            return call("SystemEvent", { dataType: dataType });
        },
        exit: function () {
            return call("Exit");
        },
        getLastLottery: function (lotteryCategory) {
            return call("GetLastLottery", { productName: lotteryCategory });
        },
        installOldDataForRuleOut: function (lotteryCategory, rowNumber) {
            return call("InstallOldDataForRuleOut", { type: "byQiShu", rowNumber: Number(rowNumber),
                                                      productName: lotteryCategory });
        },
        getSystemInfo: function () {
            return call("GetSystemInfo");
        },
        checkNewClienVersion: function () {
            return call("CheckNewClienVersion");
        },
        getVideoUrl: function () {
            return call("getVideoUrl");
        },
        getForumInfo: function () {
            return call("getForumInfo");
        },
        getUserInfo: function () {
            return call("getUserInfo");
        },
        logIn: function (request) {
            return callCpp(request);
        }
    };

    qel.ConService = ConService;
})(window.qel = window.qel || {});
