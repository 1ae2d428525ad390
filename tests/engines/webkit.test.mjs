// The smoke tests in WebKitGTK.
import { launchWebKit } from './webkit.mjs';
import { smokeSuite } from './smoke.mjs';

smokeSuite('WebKitGTK', launchWebKit);
