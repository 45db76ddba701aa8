// The account services of the pages against the real core and the stand-in data service: the main
// page's login window (a wrong password, then the sample user), the user centre with its
// password change and feedback, the user centre reached again from the footer, and the version
// check's three answers.
//   node account.e2e.js --host <qel-page-host> --stage <stage dir> --artifacts <dir>
//                       --standin <qel-data-standin>
"use strict";

const path = require("node:path");
const { openPopupPage } = require("./popup_page.js");
const { runSession, check, STEP_TIMEOUT_MS } = require("./harness.js");
const { openMainPage, expectMessage, menuItem, sent } = require("./main_page_steps.js");
const { startStandin, pointAt, argument } = require("./standin.js");
const { parseReply } = require(path.join(__dirname, "..", "..", "pages", "js", "reply_parser.js"));

// The stored form of a credential: every UTF-16 unit raised by one between the fixed frame.
function scrambled(text) {
    return "KVELMORA" + Array.from(text, (c) => String.fromCharCode(c.charCodeAt(0) + 1)).join("") + "19960723";
}

async function control(standin, pathAndQuery) {
    const response = await fetch(`${standin.address}${pathAndQuery}`, { method: "POST", body: "",
                                                                        signal: AbortSignal.timeout(STEP_TIMEOUT_MS) });
    check(response.ok, `the stand-in refused ${pathAndQuery}`, response.status);
}

// The params of the requests the stand-in received on a path, as the service reads them.
async function received(standin, servicePath) {
    const response = await fetch(`${standin.address}/standin/received`, { signal: AbortSignal.timeout(STEP_TIMEOUT_MS) });
    return (await response.json()).filter((r) => r.path === servicePath).map((r) => parseReply(r.param));
}

// The runtime configuration the program holds now, as the pages see it.
async function storedLogin(page) {
    const config = await page.evaluate(() => callCpp({ method: "GetSystemConfig" }));
    return { phone: config.phone, email: config.email, pswd: config.pswd };
}

async function logIn(page, user, password) {
    await page.fill("#loginUser", user);
    await page.fill("#loginPassword", password);
    await page.click("#loginWindow .my-window-buttons a:has-text('登录')");
}

async function main() {
    const standin = await startStandin(argument("standin"));

    await runSession("account e2e", 110000, async (session) => {
        const { host, page, calls, status, screenshot } = session;
        const openPopup = async (url) => (await openPopupPage(session, url, { width: 800, height: 700 })).page;
        await openMainPage(page, host);
        // No login is stored: the page starts with the login window.
        await page.waitForSelector("#loginWindow");
        await logIn(page, "13800138000", "wrong");
        await expectMessage(page, "密码错误！");
        check(JSON.stringify(await storedLogin(page)) === JSON.stringify({ phone: "", email: "", pswd: "" }),
            "a failed login stored something", await storedLogin(page));

        // The sample user by e-mail address: the window closes and the user centre opens.
        await logIn(page, "sample@example.com", "sample-pass");
        await sent(page, "showUserCenterWin");
        check(await page.evaluate(() => document.querySelector("#loginWindow") === null), "the login window stayed open");
        const login = (await received(standin, "/sys/logIn")).pop();
        check(login.email === "sample@example.com" && login.phone === "" && login.password === "sample-pass",
            "the login request is not the window's", login);
        const stored = await storedLogin(page);
        check(stored.email === scrambled("sample@example.com") && stored.pswd === scrambled("sample-pass") &&
            stored.phone === "", "the login is not stored scrambled", stored);
        const windows = (await status()).opened.filter((w) => w.url.includes("/html/pageForUserCenter.html?userInfo="));
        check(windows.length === 1 && windows[0].modal && windows[0].width === 700 && windows[0].height === 600,
            "the user centre did not open as a modal window", windows);

        // The user centre as the program opened it, in a pop-up of its own.
        const center = await openPopup(windows[0].url);
        const info = await center.evaluate(() => Array.from(document.querySelectorAll("#userInfo tr"))
            .slice(1).map((row) => Array.from(row.cells, (cell) => cell.textContent)));
        check(JSON.stringify(info.slice(0, 3)) === JSON.stringify([["昵称", "样例用户"], ["手机号码", "13800138000"],
            ["电子邮箱", "sample@example.com"]]), "the user centre does not show the user", info);
        await center.screenshot({ path: path.join(argument("artifacts"), "account-user-center.png") });

        // Password change: the form's own checks, the service's refusal, then the change.
        const message = (id) => center.evaluate((i) => document.getElementById(i).textContent, id);
        const change = async (old, fresh, again) => {
            await center.fill("#oldPswd", old);
            await center.fill("#newPswd", fresh);
            await center.fill("#confirmPswd", again);
            await center.click("#changePasswordButton");
            return message("passwordMessage");
        };
        check(await change("sample-pass", "a", "b") === "两次输入的新密码不一致！", "mismatch accepted",
            await message("passwordMessage"));
        check((await received(standin, "/sys/changePassword")).length === 0, "a mismatch reached the service");
        check(await change("nope", "新密码&1", "新密码&1") === "原密码错误！", "a wrong old password was accepted",
            await message("passwordMessage"));
        check((await storedLogin(page)).pswd === scrambled("sample-pass"), "a refused change stored a password");
        check(await change("sample-pass", "新密码&1", "新密码&1") === "密码修改成功！", "the change failed",
            await message("passwordMessage"));
        const changed = (await received(standin, "/sys/changePassword")).pop();
        check(changed.email === "sample@example.com" && changed.oldPassword === "sample-pass" &&
            changed.newPassword === "新密码&1", "the change request is not the form's", changed);
        check((await storedLogin(page)).pswd === scrambled("新密码&1"), "the new password is not stored",
            await storedLogin(page));

        // Feedback with what a form body would corrupt: "&", "+", "%" and a line break.
        const text = "a & b + c = 100%\n第二行 \"引号\"";
        await center.selectOption("#feedbackType", "bug");
        await center.fill("#feedbackContent", text);
        await center.click("#feedbackButton");
        check(await message("feedbackMessage") === "反馈成功！", "the feedback failed", await message("feedbackMessage"));
        const feedback = (await received(standin, "/sys/feedback")).pop();
        check(feedback.content === text && feedback.type === "bug", "the feedback did not arrive intact", feedback);
        await center.click("#feedbackButton");
        check(await message("feedbackMessage") === "请输入反馈内容！", "empty feedback was sent");

        // The footer's user centre: the stored login (with the new password) is known to the service.
        await page.click("#footerBar .footer-button[data-name='userCenter']");
        await sent(page, "getUserInfo");
        await sent(page, "showUserCenterWin", 2);
        const asked = (await received(standin, "/sys/getUserInfo")).pop();
        check(asked.email === "sample@example.com" && asked.password === "新密码&1",
            "the user's information was asked for with another login", asked);
        await screenshot("account-main-page.png");

        // The version check: up to date, a newer version (its download opens), no service.
        await menuItem(page, "#menuOptions", "软件升级");
        await expectMessage(page, "当前版本已是最新版本！");
        await control(standin, "/standin/newest-version?version=9.1.0");
        await menuItem(page, "#menuOptions", "软件升级");
        await sent(page, "OpenShell");
        const download = `${standin.address}/download/varnel-9.1.0.tar.gz`;
        check((await status()).openedTargets.includes(download), "the download did not open",
            (await status()).openedTargets);
        await control(standin, "/standin/fail?path=/sys/checkNewClienVersion&mode=500");
        await menuItem(page, "#menuOptions", "软件升级");
        await expectMessage(page, "服务器连接失败！");
        const checks = (await calls()).filter((c) => JSON.parse(c.request).method === "CheckNewClienVersion");
        check(checks.length === 3, "the version check was not asked three times", checks.length);
    }, {
        databaseSql: pointAt(standin),
        hostArgs: ["--setting", "debug=true"],
        cleanup: () => standin.process.kill("SIGTERM"),
    });
}

main().catch((error) => {
    console.error(`account e2e: FAILED: ${error && error.stack ? error.stack : error}`);
    process.exit(1);
});
