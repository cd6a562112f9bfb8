// Loads a generated page in headless Chromium and checks what a visitor
// gets: the slide show started, every image decoded, every table link
// answered by the server. Prints one JSON line (with the count of slides in
// the started show); exit 0 only when all holds.
// Arguments: playwright-core folder, chromium, page address, screenshot
// path, fresh profile folder.
'use strict';
const [playwrightDir, chromiumPath, url, screenshotPath, profileDir] = process.argv.slice(2);
const { chromium } = require(playwrightDir);

async function check(context) {
  const failures = [];
  const page = context.pages()[0] || (await context.newPage());
  page.on('pageerror', (error) => failures.push('script error: ' + error.message));
  const response = await page.goto(url, { waitUntil: 'load' });
  if (!response || response.status() !== 200) failures.push('page answered ' + (response && response.status()));
  await page.waitForSelector('.bx-wrapper', { state: 'attached', timeout: 15000 })
    .catch(() => failures.push('slide show did not start'));
  const slides = (await page.$$('.bx-wrapper .bxslider > div')).length;
  const images = await page.$$eval('img', (all) => all.map((img) => ({ src: img.src, width: img.naturalWidth })));
  for (const image of images) {
    if (!(image.width > 0)) failures.push('image not loaded: ' + image.src);
  }
  const links = await page.$$eval('table a[href]', (all) => all.map((a) => a.href));
  for (const link of new Set(links)) {
    const answer = await context.request.get(link);
    if (answer.status() !== 200) failures.push('link ' + link + ' answered ' + answer.status());
  }
  await page.screenshot({ path: screenshotPath, fullPage: true });
  return { slides, images: images.length, links: links.length, failures };
}

(async () => {
  const context = await chromium.launchPersistentContext(profileDir, {
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  let result;
  try {
    result = await check(context);
  } finally {
    await context.close();
  }
  console.log(JSON.stringify(result));
  process.exit(result.failures.length === 0 ? 0 : 1);
})().catch((error) => {
  console.log(JSON.stringify({ failures: ['driver: ' + error.message] }));
  process.exit(2);
});
