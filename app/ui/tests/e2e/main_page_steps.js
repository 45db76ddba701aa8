// Steps the main page's e2e tests share: opening the page, reading the requests it sent, waiting
// for its notices and using its menus.
"use strict";

// Loads the main page and waits until its start has run.
async function openMainPage(page, host) {
    await page.goto(`${host.address}/res/main.html`, { waitUntil: "load" });
    await page.waitForFunction(() => document.documentElement.getAttribute("data-ready") === "true");
}

// Without a stored login the page starts with the login window; the tests go on without one.
async function cancelLogin(page) {
    await page.click("#loginWindow .my-window-buttons a:has-text('取消')");
}

// The requests of one method the page sent, with their replies, in order.
async function requests(calls, method) {
    return (await calls()).map((call) => ({ request: JSON.parse(call.request), reply: call.reply }))
        .filter((call) => call.request.method === method);
}

// Waits for a notice with that text; notices already seen do not count again.
async function expectMessage(page, text) {
    await page.waitForFunction((t) => Array.from(document.querySelectorAll(".messager-body .message:not([data-seen])"))
        .some((element) => element.textContent === t), text);
    await page.evaluate(() => document.querySelectorAll(".messager-body .message").forEach((element) =>
        element.setAttribute("data-seen", "true")));
}

// Opens a menu button's menu and clicks an item; the texts before it open the submenus on the way.
async function menuItem(page, menuButton, ...texts) {
    await page.click(menuButton);
    for (const text of texts.slice(0, -1)) {
        await page.hover(`.menu-item:visible >> text="${text}"`);
    }
    await page.click(`.menu-item:visible >> text="${texts[texts.length - 1]}"`);
}

// Waits until the page has sent as many requests of a method.
async function sent(page, method, count = 1) {
    await page.waitForFunction(([m, n]) => window.__qelCalls.filter((call) => JSON.parse(call.request).method === m)
        .length >= n, [method, count]);
}

module.exports = { openMainPage, cancelLogin, requests, expectMessage, menuItem, sent };
